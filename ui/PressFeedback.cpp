#include "ui/PressFeedback.h"

#include "ui/Algemeen.h"
#include "ui/desktop/Desktop.h"
#include "ui/toolkit/CheckedArithmetic.h"
#include "ui/toolkit/ImageButton.h"

#include <cstdint>

namespace kring {

namespace {
constexpr std::int32_t PressOffsetTwips = 30;
constexpr float PressSeconds = 0.2f;
} // namespace

bool PressFeedback(ImageButton& button, Desktop& desktop) {
    const std::int32_t savedLeft = CheckedRoundToInt32(button.left());
    const std::int32_t savedTop = CheckedRoundToInt32(button.top());
    const std::int32_t pushedLeft = CheckedAdd(savedLeft, PressOffsetTwips);
    const std::int32_t pushedTop = CheckedAdd(savedTop, PressOffsetTwips);

    button.setTop(static_cast<float>(pushedTop));
    button.setLeft(static_cast<float>(pushedLeft));
    Delay(desktop, PressSeconds);
    if (desktop.hasEnded())
        return false;
    button.setTop(static_cast<float>(savedTop));
    button.setLeft(static_cast<float>(savedLeft));
    return true;
}

} // namespace kring
