#pragma once

namespace kring {

// Gives the window, the board, the list and the announcements the
// interfaces screen readers see them by. Safe to call more than once.
void InstallAccessibleFactory();

} // namespace kring
