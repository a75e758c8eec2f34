#include "ui/Algemeen.h"

#include "ui/desktop/Desktop.h"

namespace kring {

void Delay(Desktop& desktop, float seconds) {
    const double start = desktop.monotonicSeconds();
    while (!desktop.hasEnded()) {
        const double elapsed = desktop.monotonicSeconds() - start;
        if (elapsed >= seconds)
            return;
        desktop.waitForEvents(seconds - elapsed);
    }
}

} // namespace kring
