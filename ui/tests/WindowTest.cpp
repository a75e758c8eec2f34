// The window as the player sees it, the image buttons' press and closing.

#include "FakeDesktop.h"
#include "GrabbedPixels.h"
#include "ShownGame.h"

#include "ui/ImageButton.h"
#include "ui/KringForm.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/PressFeedback.h"

#include <QCheckBox>
#include <QScreen>
#include <QtTest>

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void window() {
        ShownGame g;
        QCOMPARE(g.form.windowTitle(), QStringLiteral("Kringwoord (www.kringwoord.example)"));
        QCOMPARE(g.form.minimumSize(), g.form.maximumSize());
        QVERIFY(!(g.form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // The outer window, 618 x 420 with its frame, stands in the middle.
        const QRect outer(g.form.pos(), QSize(618, 420));
        QCOMPARE(outer.center(), g.form.screen()->availableGeometry().center());
    }

    // Every pixel of the window at start, with the shipped words loaded, with
    // a puzzle of "LIJMKWAST" in layout 5, and with its solution shown.
    void looksAsBefore() {
        ShownGame g(KRINGWOORD_SOURCE_DIR, {15248.5f / 18000, 0.3f});
        QVERIFY(LooksAsBefore(Grab(g.form), "start"));
        Click(g.form.LoadKnop);
        QCOMPARE(g.form.List1->listCount(), 18000);
        QVERIFY(LooksAsBefore(Grab(g.form), "loaded"));
        Click(g.form.MakeKnop);
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("LIJMKWAST"));
        const QImage puzzle = Grab(g.form);
        QVERIFY(LooksAsBefore(puzzle, "puzzle"));
        g.form.Check1->click();
        QVERIFY(LooksAsBefore(Grab(g.form), "solution"));
        g.form.Check1->click();
        QCOMPARE(Grab(g.form), puzzle);
    }

    void pressDipsAndComesBack_data() {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<float>("savedLeft");
        QTest::addColumn<float>("savedTop");
        QTest::newRow("whole twips") << 8100.0f << 240.0f << QPoint(540, 16) << 8100.0f << 240.0f;
        QTest::newRow("halves down to even") << 8100.5f << 240.5f << QPoint(540, 16) << 8100.0f << 240.0f;
        QTest::newRow("halves up to even") << 8101.5f << 241.5f << QPoint(540, 16) << 8102.0f << 242.0f;
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

    void nestedPresses_data() {
        QTest::addColumn<bool>("sameButton");
        QTest::newRow("another button") << false;
        QTest::newRow("the same button") << true;
    }
    void nestedPresses() {
        QFETCH(bool, sameButton);
        ShownGame g;
        kring::ImageButton* inner = sameButton ? g.form.LoadKnop : g.form.MakeKnop;
        QPoint load, innerAt, loadAfter;
        g.desktop.onceDuringWait([&] {
            g.desktop.onceDuringWait([&] {
                load = g.form.LoadKnop->pos();
                innerAt = inner->pos();
            });
            QVERIFY(kring::PressFeedback(*inner, g.desktop));
            loadAfter = g.form.LoadKnop->pos();
        });
        QVERIFY(kring::PressFeedback(*g.form.LoadKnop, g.desktop));
        // A press of the same button starts from its pushed-in place and
        // returns there; the first press then puts it back where it began.
        QCOMPARE(load, sameButton ? QPoint(544, 20) : QPoint(542, 18));
        QCOMPARE(innerAt, sameButton ? QPoint(544, 20) : QPoint(402, 354));
        QCOMPARE(loadAfter, QPoint(542, 18));
        QCOMPARE(g.form.LoadKnop->pos(), QPoint(540, 16));
        QCOMPARE(g.form.MakeKnop->pos(), QPoint(400, 352));
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

    void closeEndsTheProgram_data() {
        QTest::addColumn<bool>("fromTheDesktop");
        QTest::newRow("Annuleren") << false;
        QTest::newRow("the window's close box") << true;
    }
    void closeEndsTheProgram() {
        QFETCH(bool, fromTheDesktop);
        ShownGame g;
        QPoint during;
        g.desktop.onceDuringWait([&] { during = g.form.CancelKnop->pos(); });
        if (fromTheDesktop)
            g.form.close();
        else
            Click(g.form.CancelKnop);
        // Annuleren dips first; the close box ends at once.
        QCOMPARE(during, fromTheDesktop ? QPoint() : QPoint(532, 354));
        QVERIFY(!g.form.isVisible());
        QCOMPARE(g.desktop.log, QStringList({"end"}));
    }

    void anAutoSizedLabelFitsItsCaptionInAnyFont() {
        ShownGame g;
        const int width = g.form.Label2->width();
        QFont larger = g.form.Label2->font();
        larger.setPixelSize(22);
        g.form.Label2->setFont(larger);
        QVERIFY(g.form.Label2->width() > 3 * width / 2);
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
