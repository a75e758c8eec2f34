#pragma once

namespace kring {

class Desktop;
class ImageButton;

// The push-in that begins every image button's command: the button dips 30
// twips right and down for 0.2 seconds, while events go on being processed,
// and comes back to the whole-twip position it had. Each press keeps its own
// saved position, so nested presses all end where they began.
// Returns false when the program ended during the wait; the command must
// then do nothing more. Throws std::overflow_error before moving anything
// when the position does not fit the checked 32-bit arithmetic.
bool PressFeedback(ImageButton& button, Desktop& desktop);

} // namespace kring
