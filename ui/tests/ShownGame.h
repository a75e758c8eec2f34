#pragma once

#include "FakeDesktop.h"

#include "core/tests/ScriptedRandom.h"
#include "ui/KringForm.h"

#include <QtTest>

// The game's window with a recording desktop, shown offscreen. The random
// numbers choose the word (r times the count) and the layout (r times 16, plus 1).
struct ShownGame {
    explicit ShownGame(QString folder = {}, std::vector<float> randomNumbers = {0.0f})
        : desktop(std::move(folder)), random(std::move(randomNumbers)) {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the window was never shown");
    }
    FakeDesktop desktop;
    kring::test::ScriptedRandom random;
    kring::KringForm form{desktop, random};
};

inline void Click(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}
