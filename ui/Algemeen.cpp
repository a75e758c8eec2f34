#include "ui/Algemeen.h"

#include "ui/Desktop.h"

namespace kring {

void Delay(Desktop& desktop, float seconds) {
    const double start = desktop.monotonicSeconds();
    while (!desktop.hasEnded()) {
        if (desktop.monotonicSeconds() - start >= seconds)
            return;
        desktop.processPendingEvents();
    }
}

} // namespace kring
