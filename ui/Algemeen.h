#pragma once

namespace kring {

class Desktop;

// Waits the given number of seconds, sleeping until the next event and
// processing it, so the window stays responsive and other handlers may run
// meanwhile without the wait itself using the processor. A
// duration of 0 or less returns at once without processing any event. Also
// returns once the program has ended.
void Delay(Desktop& desktop, float seconds);

} // namespace kring
