// The window as it opens, the image buttons' press and the close command.

#include "BoardLayout.h"
#include "FakeDesktop.h"
#include "GrabbedPixels.h"
#include "ShownGame.h"

#include "ui/Algemeen.h"
#include "ui/CheckedArithmetic.h"
#include "ui/ImageButton.h"
#include "ui/KringForm.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/PressFeedback.h"

#include <QCheckBox>
#include <QScreen>
#include <QtTest>

#include <limits>
#include <memory>

using kring::KringForm;

using namespace board;

namespace {

using Game = ShownGame;

QWidget* ControlNamed(KringForm& f, const QString& name) {
    QHash<QString, QWidget*> controls{{"Label1", f.Label1},         {"Label2", f.Label2},
                                      {"List1", f.List1},           {"Check1", f.Check1},
                                      {"LoadKnop", f.LoadKnop},     {"MakeKnop", f.MakeKnop},
                                      {"CancelKnop", f.CancelKnop}, {"PicMidden", f.PicMidden}};
    for (int i = 0; i < 8; ++i) {
        controls.insert(QString("Pic(%1)").arg(i), f.Pic[i]);
        controls.insert(QString("Label3(%1)").arg(i), f.Label3[i]);
    }
    if (!controls.contains(name))
        qFatal("no control named %s", qPrintable(name));
    return controls[name];
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    // --- The window at start ---

    void window() {
        Game g;
        QCOMPARE(g.form.windowTitle(), QStringLiteral("Kringwoord (www.kringwoord.example)"));
        QCOMPARE(g.form.size(), QSize(612, 394));
        QCOMPARE(g.form.minimumSize(), QSize(612, 394));
        QCOMPARE(g.form.maximumSize(), QSize(612, 394));
        const Qt::WindowFlags flags = g.form.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(flags & Qt::WindowTitleHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(g.form.windowIcon().availableSizes().contains(QSize(32, 32)));
        // The outer window, 618 x 420 with its frame, stands in the middle.
        const QRect outer(g.form.pos(), QSize(618, 420));
        QCOMPARE(outer.center(), g.form.screen()->availableGeometry().center());
    }

    void geometry_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("rect");
        for (int i = 0; i < 8; ++i)
            QTest::addRow("Pic(%d)", i) << QString("Pic(%1)").arg(i) << CellRect(CellAt[i]);
        QTest::newRow("PicMidden") << "PicMidden" << CellRect(CentreAt);
        QTest::newRow("Label1") << "Label1" << QRect(14, 16, 360, 360);
        QTest::newRow("List1") << "List1" << QRect(400, 16, 120, 228);
        QTest::newRow("Check1") << "Check1" << QRect(402, 292, 120, 14);
        QTest::newRow("LoadKnop") << "LoadKnop" << QRect(540, 16, 56, 22);
        QTest::newRow("MakeKnop") << "MakeKnop" << QRect(400, 352, 60, 24);
        QTest::newRow("CancelKnop") << "CancelKnop" << QRect(530, 352, 64, 24);
        // A digit's advance wide and a line high.
        QTest::newRow("Label3(0) in its cell") << "Label3(0)" << QRect(7, 5, 7, 15);
        QTest::newRow("Label2") << "Label2" << QRect(402, 248, 54, 13);
    }
    void geometry() {
        QFETCH(QString, control);
        QFETCH(QRect, rect);
        Game g;
        QCOMPARE(ControlNamed(g.form, control)->geometry(), rect);
    }

    void captionsAndFonts_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("window") << "" << 11 << false;
        QTest::newRow("List1") << "List1" << 11 << false;
        QTest::newRow("Label2") << "Label2" << 11 << false;
        QTest::newRow("Check1") << "Check1" << 11 << false;
        QTest::newRow("Pic(0)") << "Pic(0)" << 11 << false;
        QTest::newRow("Label3(5)") << "Label3(5)" << 13 << true;
    }
    void captionsAndFonts() {
        QFETCH(QString, control);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        Game g;
        QWidget* w = control.isEmpty() ? &g.form : ControlNamed(g.form, control);
        const QFontInfo info(w->font());
        // Arial's metric twin stands in for it.
        QCOMPARE(info.family(), QStringLiteral("Liberation Sans"));
        QCOMPARE(info.pixelSize(), pixelSize);
        QCOMPARE(info.bold(), bold);
    }

    void captions() {
        Game g;
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("0 Woorden"));
        QCOMPARE(g.form.Check1->text(), QStringLiteral("Oplossing laten zien"));
        QCOMPARE(g.form.Check1->checkState(), Qt::Unchecked);
        for (kring::Label* number : g.form.Label3)
            QCOMPARE(number->caption(), QStringLiteral("0"));
        QCOMPARE(g.form.List1->listCount(), 0);
        QCOMPARE(g.form.List1->selectionMode(), QAbstractItemView::SingleSelection);
    }

    void toolTips_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("LoadKnop") << "LoadKnop"
                                  << " Woorden inladen (Ctrl+L) "
                                  << "Load";
        QTest::newRow("MakeKnop") << "MakeKnop"
                                  << " Maak Kringwoord (Ctrl+N, F2) "
                                  << "Plaatsen";
        QTest::newRow("CancelKnop") << "CancelKnop"
                                    << " Sluiten (Ctrl+Q) "
                                    << "Annuleren";
    }
    void toolTips() {
        QFETCH(QString, control);
        QFETCH(QString, tip);
        QFETCH(QString, accessibleName);
        Game g;
        QWidget* button = ControlNamed(g.form, control);
        QCOMPARE(button->toolTip(), tip);
        QCOMPARE(button->accessibleName(), accessibleName);
        QCOMPARE(button->focusPolicy(), Qt::TabFocus);
    }

    void tabOrder() {
        Game g;
        KringForm& f = g.form;
        // The list, the check box and the picture buttons take the focus; the cells do not.
        const QList<QWidget*> expected = {f.List1, f.Check1, f.LoadKnop, f.MakeKnop, f.CancelKnop};
        QList<QWidget*> chain;
        QWidget* w = f.List1;
        do {
            if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(&f) && w != &f)
                chain << w;
            w = w->nextInFocusChain();
        } while (w != f.List1);
        QCOMPARE(chain, expected);
    }

    // --- Grabbed pixels at start ---

    void startScreen() {
        Game g;
        const QImage screen = Grab(g.form);
        for (int i = 0; i < 8; ++i) {
            const QRect cell = CellRect(CellAt[i]);
            QVERIFY2(RingIsColour(screen, cell, Black), qPrintable(QString("Pic(%1)").arg(i)));
            // Inside the frame the cell is white, the white "0" unseen.
            QVERIFY(AllColour(screen, cell.adjusted(1, 1, -1, -1), White));
        }
        QVERIFY(RingIsColour(screen, CellRect(CentreAt), Black));

        // An even olive square inside the centre's frame, the dark knight in the middle.
        const QRect inside = CellRect(CentreAt).adjusted(1, 1, -1, -1);
        QVERIFY(RingIsColour(screen, inside, Olive));
        const int olive = CountColour(screen, inside, Olive);
        QVERIFY2(olive > 108 * 108 / 3 && olive < 108 * 108 * 3 / 4,
                 qPrintable(QString::number(olive)));
        QVERIFY(qGray(screen.pixel(CentreAt + QPoint(55, 70))) < 60);

        // Grey in the 6-pixel gaps between the columns and between the rows,
        // and in the margins: 8 pixels left and top, 10 right and bottom.
        for (int x : {132, 248})
            QVERIFY(AllColour(screen, QRect(x, 24, 6, 342), Grey));
        for (int y : {134, 250})
            QVERIFY(AllColour(screen, QRect(22, y, 342, 6), Grey));
        QVERIFY(AllColour(screen, QRect(14, 16, 8, 360), Grey));
        QVERIFY(AllColour(screen, QRect(14, 16, 360, 8), Grey));
        QVERIFY(AllColour(screen, QRect(364, 16, 10, 360), Grey));
        QVERIFY(AllColour(screen, QRect(14, 366, 360, 10), Grey));
        // Beige beyond the square.
        QVERIFY(AllColour(screen, QRect(0, 0, 612, 16), Beige));
        QVERIFY(AllColour(screen, QRect(374, 16, 26, 360), Beige));

        // The right column: the dark list, the count, the check box's caption
        // on the window's colour, and the grey border of the "Load" picture.
        QVERIFY(CountColour(screen, QRect(400, 16, 120, 228), qRgb(30, 0, 0)) > 110 * 210);
        QVERIFY(ShowsText(screen, g.form.Label2->geometry(), Beige, WordGrey));
        QVERIFY(ShowsText(screen, g.form.Check1->geometry().adjusted(20, 0, 0, 0), Beige,
                          qRgb(64, 64, 64)));
        QCOMPARE(screen.pixel(540 + 28, 16), qRgb(112, 112, 112));
    }

    // --- Press feedback and Delay ---

    void pressDipsAndComesBack_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("LoadKnop") << "LoadKnop" << QPoint(540, 16);
        QTest::newRow("MakeKnop") << "MakeKnop" << QPoint(400, 352);
        QTest::newRow("CancelKnop") << "CancelKnop" << QPoint(530, 352);
    }
    void pressDipsAndComesBack() {
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        Game g;
        auto& button = static_cast<kring::ImageButton&>(*ControlNamed(g.form, control));
        const float left = button.left();
        const float top = button.top();
        QPoint during;
        QImage seenDuring;
        g.desktop.onceDuringWait([&] {
            during = button.pos();
            seenDuring = Grab(g.form);
        });
        QVERIFY(kring::PressFeedback(button, g.desktop));
        QCOMPARE(during, at + QPoint(2, 2));
        QCOMPARE(button.pos(), at);
        QCOMPARE(button.left(), left);
        QCOMPARE(button.top(), top);
        // The player sees it pushed in: its grey border has moved with it.
        QCOMPARE(seenDuring.pixel(at + QPoint(2 + 28, 2)), qRgb(112, 112, 112));
        QVERIFY(g.desktop.eventPasses > 0);
        QVERIFY(g.desktop.clock - 1000.0 >= 0.2);
    }

    void pressRoundsHalfToEven_data() {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("top");
        QTest::addColumn<float>("savedLeft");
        QTest::addColumn<float>("savedTop");
        QTest::newRow("halves down to even") << 8100.5f << 240.5f << 8100.0f << 240.0f;
        QTest::newRow("halves up to even") << 8101.5f << 241.5f << 8102.0f << 242.0f;
        QTest::newRow("nearest") << 8100.4f << 240.6f << 8100.0f << 241.0f;
        QTest::newRow("negative half") << -0.5f << -1.5f << 0.0f << -2.0f;
    }
    void pressRoundsHalfToEven() {
        QFETCH(float, left);
        QFETCH(float, top);
        QFETCH(float, savedLeft);
        QFETCH(float, savedTop);
        Game g;
        kring::ImageButton& button = *g.form.LoadKnop;
        button.setLeft(left);
        button.setTop(top);
        float duringLeft = 0, duringTop = 0;
        g.desktop.onceDuringWait([&] {
            duringLeft = button.left();
            duringTop = button.top();
        });
        QVERIFY(kring::PressFeedback(button, g.desktop));
        QCOMPARE(duringLeft, savedLeft + 30);
        QCOMPARE(duringTop, savedTop + 30);
        QCOMPARE(button.left(), savedLeft);
        QCOMPARE(button.top(), savedTop);
    }

    void checkedArithmetic_data() {
        QTest::addColumn<qint64>("a");
        QTest::addColumn<qint64>("b");
        QTest::addColumn<bool>("overflows");
        const qint64 max = std::numeric_limits<std::int32_t>::max();
        const qint64 min = std::numeric_limits<std::int32_t>::min();
        QTest::newRow("ordinary") << qint64(8100) << qint64(30) << false;
        QTest::newRow("up to the top") << max - 30 << qint64(30) << false;
        QTest::newRow("past the top") << max - 29 << qint64(30) << true;
        QTest::newRow("past the bottom") << min << qint64(-1) << true;
    }
    void checkedArithmetic() {
        QFETCH(qint64, a);
        QFETCH(qint64, b);
        QFETCH(bool, overflows);
        const auto add = [&] { return kring::CheckedAdd(std::int32_t(a), std::int32_t(b)); };
        if (overflows)
            QVERIFY_THROWS_EXCEPTION(std::overflow_error, add());
        else
            QCOMPARE(qint64(add()), a + b);
    }

    void delayProcessesEventsOnlyWhileWaiting_data() {
        QTest::addColumn<float>("seconds");
        QTest::addColumn<bool>("processes");
        QTest::newRow("zero") << 0.0f << false;
        QTest::newRow("negative") << -1.0f << false;
        QTest::newRow("press") << 0.2f << true;
    }
    void delayProcessesEventsOnlyWhileWaiting() {
        QFETCH(float, seconds);
        QFETCH(bool, processes);
        FakeDesktop desktop;
        kring::Delay(desktop, seconds);
        QCOMPARE(desktop.eventPasses > 0, processes);
        QVERIFY(desktop.clock - 1000.0 >= seconds);
    }

    void nestedPressOfAnotherButton() {
        Game g;
        QPoint makeDuring, loadDuringMake;
        bool innerDone = false;
        g.desktop.onceDuringWait([&] {
            g.desktop.onceDuringWait([&] {
                makeDuring = g.form.MakeKnop->pos();
                loadDuringMake = g.form.LoadKnop->pos();
            });
            innerDone = kring::PressFeedback(*g.form.MakeKnop, g.desktop);
        });
        QVERIFY(kring::PressFeedback(*g.form.LoadKnop, g.desktop));
        // Both pushed in at once, then each back where it stood.
        QVERIFY(innerDone);
        QCOMPARE(makeDuring, QPoint(402, 354));
        QCOMPARE(loadDuringMake, QPoint(542, 18));
        QCOMPARE(g.form.MakeKnop->pos(), QPoint(400, 352));
        QCOMPARE(g.form.LoadKnop->pos(), QPoint(540, 16));
    }

    void nestedPressOfTheSameButton() {
        Game g;
        QPoint nested, afterNested;
        g.desktop.onceDuringWait([&] {
            g.desktop.onceDuringWait([&] { nested = g.form.LoadKnop->pos(); });
            QVERIFY(kring::PressFeedback(*g.form.LoadKnop, g.desktop));
            afterNested = g.form.LoadKnop->pos();
        });
        QVERIFY(kring::PressFeedback(*g.form.LoadKnop, g.desktop));
        // The second press starts from the pushed-in place and returns there;
        // the first one then puts the button back where it began.
        QCOMPARE(nested, QPoint(544, 20));
        QCOMPARE(afterNested, QPoint(542, 18));
        QCOMPARE(g.form.LoadKnop->pos(), QPoint(540, 16));
        QCOMPARE(g.form.LoadKnop->left(), 8100.0f);
    }

    // --- Close ---

    void closeEndsTheProgram_data() {
        QTest::addColumn<bool>("fromTheDesktop");
        QTest::newRow("Annuleren") << false;
        QTest::newRow("the window's close box") << true;
    }
    void closeEndsTheProgram() {
        QFETCH(bool, fromTheDesktop);
        Game g;
        QPoint during;
        g.desktop.onceDuringWait([&] { during = g.form.CancelKnop->pos(); });
        if (fromTheDesktop)
            g.form.close();
        else
            QTest::mouseClick(g.form.CancelKnop, Qt::LeftButton);
        // Annuleren dips first; the close box ends at once.
        QCOMPARE(during, fromTheDesktop ? QPoint() : QPoint(532, 354));
        QVERIFY(!g.form.isVisible());
        QCOMPARE(g.desktop.log, QStringList({"end"}));
    }
};

QTEST_MAIN(WindowTest)
#include "WindowTest.moc"
