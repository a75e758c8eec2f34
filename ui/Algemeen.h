#pragma once

namespace kring {

class Desktop;

// Waits the given number of seconds, processing pending events in every pass,
// so the window stays responsive and other handlers may run meanwhile. A
// duration of 0 or less returns at once without processing any event. Also
// returns once the program has ended.
void Delay(Desktop& desktop, float seconds);

} // namespace kring
