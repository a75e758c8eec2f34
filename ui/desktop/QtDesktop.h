#pragma once

#include "ui/desktop/Desktop.h"

namespace kring {

class QtDesktop : public Desktop {
public:
    void showCriticalMessage(QWidget* parent, const QString& title, const QString& text) override;
    void setBusyPointer(bool busy) override;
    void waitForEvents(double atMostSeconds) override;
    double monotonicSeconds() override;
    [[noreturn]] void endProgram() override;
    bool hasEnded() const override { return false; }
    std::filesystem::path applicationFolder() override;

private:
    bool busy_ = false;
};

} // namespace kring
