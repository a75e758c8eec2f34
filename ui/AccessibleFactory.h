#pragma once

namespace kring {

// Gives the window the interface screen readers see it by. Safe to call more than once.
void InstallAccessibleFactory();

} // namespace kring
