// The window as the player sees it, also on a dark desktop, the image buttons'
// press and closing.

#include "FakeDesktop.h"
#include "GrabbedPixels.h"
#include "ShownGame.h"

#include "ui/KringForm.h"
#include "ui/PressFeedback.h"
#include "ui/toolkit/ImageButton.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/ListBox.h"

#include <QCheckBox>
#include <QScreen>
#include <QtTest>

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void window() {
        ShownGame g;
        QCOMPARE(g.form.minimumSize(), g.form.maximumSize());
        QCOMPARE(g.form.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {64, 64}}));
        // The outer window, 618 x 420 with its frame, stands in the middle.
        const QRect outer(g.form.pos(), QSize(618, 420));
        QCOMPARE(outer.center(), g.form.screen()->availableGeometry().center());
    }

    // Every pixel of the window at start, with the shipped words loaded, with
    // a puzzle of "BIJZONDER" in layout 5, and with its solution shown.
    void looksAsBefore() {
        ShownGame g(KRINGWOORD_SOURCE_DIR, {2246.5f / 18000, 0.3f, 0.5f, 0.9f});
        QVERIFY(LooksAsBefore(Grab(g.form), "start"));
        Click(g.form.LoadKnop);
        QCOMPARE(g.form.List1->listCount(), 18000);
        QVERIFY(LooksAsBefore(Grab(g.form), "loaded"));
        Click(g.form.MakeKnop);
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("BIJZONDER"));
        const QImage puzzle = Grab(g.form);
        QVERIFY(LooksAsBefore(puzzle, "puzzle"));
        g.form.Check1->click();
        QVERIFY(LooksAsBefore(Grab(g.form), "solution"));
        g.form.Check1->click();
        QCOMPARE(Grab(g.form), puzzle);
        // Another puzzle, then the draws come round again: the same puzzle,
        // nothing left of the other, its solution hidden.
        g.form.Check1->click();
        Click(g.form.MakeKnop);
        QVERIFY(Grab(g.form) != puzzle);
        Click(g.form.MakeKnop);
        QCOMPARE(Grab(g.form), puzzle);
    }

    // A dark desktop leaves the board as it is on a light one: white cells,
    // numbers hidden until the reveal.
    void aDarkDesktopLeavesTheBoardAlone() {
        const QPalette light = QApplication::palette();
        QPalette night = light;
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            night.setColor(role, QColor(30, 30, 34));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            night.setColor(role, QColor(230, 230, 230));
        QApplication::setPalette(night);
        ShownGame g(KRINGWOORD_SOURCE_DIR, {2246.5f / 18000, 0.3f});
        QApplication::setPalette(light);
        const QRect board(14, 16, 360, 360);
        QCOMPARE(Grab(g.form).copy(board), Golden("start").copy(board));
        Click(g.form.LoadKnop);
        Click(g.form.MakeKnop);
        QCOMPARE(Grab(g.form).copy(board), Golden("puzzle").copy(board));
    }

    void pressDipsAndComesBack_data() {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<float>("savedLeft");
        QTest::addColumn<float>("savedTop");
        QTest::newRow("whole twips") << 8100.0f << 240.0f << QPoint(540, 16) << 8100.0f << 240.0f;
        QTest::newRow("halves: down") << 8100.5f << 240.5f << QPoint(540, 16) << 8100.0f << 240.0f;
        QTest::newRow("halves: up") << 8101.5f << 241.5f << QPoint(540, 16) << 8102.0f << 242.0f;
        QTest::newRow("nearest") << 8100.4f << 255.6f << QPoint(540, 17) << 8100.0f << 256.0f;
        QTest::newRow("negative half") << -0.5f << -1.5f << QPoint(0, 0) << 0.0f << -2.0f;
    }
    void pressDipsAndComesBack() {
        QFETCH(float, left);
        QFETCH(float, top);
        QFETCH(QPoint, at);
        QFETCH(float, savedLeft);
        QFETCH(float, savedTop);
        ShownGame g;
        kring::ImageButton& button = *g.form.LoadKnop;
        button.setLeft(left);
        button.setTop(top);
        QPoint during;
        float duringLeft = 0, duringTop = 0;
        QImage seen;
        g.desktop.onceDuringWait([&] {
            during = button.pos();
            duringLeft = button.left();
            duringTop = button.top();
            seen = Grab(g.form);
        });
        QVERIFY(kring::PressFeedback(button, g.desktop));
        QCOMPARE(during, at + QPoint(2, 2));
        QCOMPARE(duringLeft, savedLeft + 30);
        QCOMPARE(duringTop, savedTop + 30);
        QCOMPARE(button.pos(), at);
        QCOMPARE(button.left(), savedLeft);
        QCOMPARE(button.top(), savedTop);
        // The player sees it pushed in: its grey border has moved with it.
        QCOMPARE(seen.pixel(at + QPoint(30, 2)), qRgb(112, 112, 112));
        QVERIFY(g.desktop.clock - 1000.0 >= 0.2);
    }

    void clicksNeedAPressAndAReleaseInside() {
        ShownGame g;
        QTest::mousePress(g.form.MakeKnop, Qt::LeftButton);
        QTest::mouseRelease(g.form.MakeKnop, Qt::LeftButton, {}, QPoint(-5, 5));
        QTest::mouseRelease(g.form.MakeKnop, Qt::LeftButton);
        QTest::mouseClick(g.form.MakeKnop, Qt::RightButton);
        QVERIFY(g.desktop.log.isEmpty());
        Click(g.form.MakeKnop);
        QCOMPARE(g.desktop.log, QStringList({"message"}));
    }

    // A held key clicks once, however its repeats come: marked as repeats, or
    // as a release and a press with one time stamp, as X sends them. Each
    // event is a letter and its time: p press, r release, P and R repeats.
    void aHeldKeyClicksOnce_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("onButton"); // else a shortcut of the window
        QTest::addColumn<QString>("events");
        QTest::addColumn<int>("clicks");
        const std::pair<const char*, QString> holds[] = {
            {"marked", "p100 P600 P640 r700"},
            {"unmarked", "p100 r600 p600 r640 p640 r700"},
            {"mixed", "p100 R600 P600 r640 p640 r700"}};
        const std::tuple<const char*, int, bool> keys[] = {{"F2", Qt::Key_F2, false},
                                                           {"Ctrl+N", Qt::CTRL | Qt::Key_N, false},
                                                           {"Space", Qt::Key_Space, true},
                                                           {"Return", Qt::Key_Return, true}};
        for (auto [keyName, key, onButton] : keys) {
            for (const auto& [holdName, events] : holds)
                QTest::addRow("%s held, %s", keyName, holdName) << key << onButton << events << 1;
            QTest::addRow("%s twice", keyName) << key << onButton << "p100 r200 p300 r400" << 2;
        }
    }
    void aHeldKeyClicksOnce() {
        QFETCH(int, key);
        QFETCH(bool, onButton);
        QFETCH(QString, events);
        QFETCH(int, clicks);
        ShownGame g;
        QWidget* target = onButton ? static_cast<QWidget*>(g.form.MakeKnop) : g.form.List1;
        const QPoint home = g.form.MakeKnop->pos();
        for (const QString& event : events.split(' ')) {
            const bool press = event[0].toLower() == 'p';
            const auto modifiers = Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask);
            QKeyEvent sent(press ? QEvent::KeyPress : QEvent::KeyRelease,
                           key & ~Qt::KeyboardModifierMask, modifiers, QString(),
                           event[0].isUpper());
            sent.setTimestamp(event.mid(1).toULongLong());
            QApplication::sendEvent(target, &sent);
        }
        QCOMPARE(g.desktop.log.count("message"), clicks);
        QCOMPARE(g.form.MakeKnop->pos(), home);
    }

    // Presses nest inside one another's wait 32 deep, more than anyone clicks
    // by hand; a press beyond that is dropped, and once they have ended
    // presses work again.
    void pressesNestOnlySoDeep() {
        ShownGame g;
        int tries = 0;
        g.desktop.duringWait = [&] {
            if (++tries < 64)
                g.form.MakeKnop->click();
        };
        g.form.MakeKnop->click();
        QCOMPARE(g.desktop.log.count("message"), 32);
        g.desktop.duringWait = nullptr;
        g.form.MakeKnop->click();
        QCOMPARE(g.desktop.log.count("message"), 33);
    }

    void anOverflowStopsTheHandler() {
        ShownGame g(KRINGWOORD_SOURCE_DIR);
        g.form.LoadKnop->setLeft(3.0e9f);
        Click(g.form.LoadKnop);
        g.form.MakeKnop->setTop(-3.0e9f);
        Click(g.form.MakeKnop);
        QVERIFY(g.desktop.log.isEmpty());
        QCOMPARE(g.desktop.eventPasses, 0);
        QCOMPARE(g.form.List1->listCount(), 0);
        QCOMPARE(g.form.LoadKnop->left(), 3.0e9f);
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
