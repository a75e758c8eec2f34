// The pictures as shipped, and as drawn on two offscreen screens
// (two_screens.json): a narrow one at pixel ratio 1, too narrow for the
// window, and a dense one at ratio 1.5 to move it to.

#include "FakeDesktop.h"

#include "core/tests/ScriptedRandom.h"
#include "ui/KringForm.h"
#include "ui/pictures/DrawnPictures.h"
#include "ui/toolkit/ImageButton.h"
#include "ui/toolkit/ListBox.h"
#include "ui/toolkit/PictureBox.h"

#include <QScreen>
#include <QtTest>

namespace {

struct Game {
    FakeDesktop desktop;
    kring::test::ScriptedRandom random{{0.0f, 0.3f}};
    kring::KringForm form{desktop, random};

    void showOn(QScreen* screen) {
        form.setScreen(screen);
        form.move(screen->geometry().topLeft());
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qFatal("the window was never shown");
        form.List1->addItems({"WIJNGAARD"});
        form.MakeKnop_Click();
    }
};

// How far apart two pictures of one size are: the mean difference of their
// colour channels, 0 to 255.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            sum += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                   std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha());
        }
    return sum / (4.0 * a.width() * a.height());
}

QImage Pixels(const QPixmap& pixmap) {
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

class ScaledDesktopTest : public QObject {
    Q_OBJECT

    QScreen* narrow = nullptr;
    QScreen* dense = nullptr;
    Game moved; // shown on the narrow screen, then moved to the dense one

private slots:
    void initTestCase() {
        for (QScreen* screen : QGuiApplication::screens())
            (screen->name() == "narrow" ? narrow : dense) = screen;
        QVERIFY(narrow && dense);
        QCOMPARE(dense->devicePixelRatio(), 1.5);
    }

    // Drawn afresh at ratios 1 and 2, the pictures are the shipped ones, which
    // the same code drew: so the drawing at other ratios is theirs too.
    // Drawing them warns of nothing, such as a pixel outside a picture.
    void drawnPicturesAreTheShippedOnes() {
        QTest::failOnWarning(QRegularExpression("."));
        for (const int ratio : {1, 2}) {
            const std::pair<QImage, QString> pictures[] = {
                {kring::DrawButtonFace("Load", {56, 22}, ratio), "load"},
                {kring::DrawButtonFace("Plaatsen", {60, 24}, ratio), "plaatsen"},
                {kring::DrawButtonFace("Annuleren", {64, 24}, ratio), "annuleren"},
                {kring::DrawCentreKnight(ratio), "knight"},
                {kring::DrawWindowIcon(ratio), "icon"}};
            for (auto [drawn, name] : pictures) {
                QImage shipped(":/images/" + name + (ratio == 2 ? "@2x" : "") + ".png");
                shipped.setDevicePixelRatio(drawn.devicePixelRatio());
                QCOMPARE(drawn.convertToFormat(QImage::Format_ARGB32),
                         shipped.convertToFormat(QImage::Format_ARGB32));
            }
        }
    }

    void topLeftStaysOnTheScreen() {
        Game g;
        g.form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g.form));
        // Too wide, so at the left edge; high enough, so centred, frame included.
        const QRect area = narrow->availableGeometry();
        QCOMPARE(g.form.pos(), QPoint(area.left(), area.top() + (area.height() - 420) / 2));
    }

    // After the move the window looks as one that opened on the dense screen.
    void followsTheMoveToAnotherRatio() {
        moved.showOn(narrow);
        QCOMPARE(moved.form.devicePixelRatioF(), 1.0);
        moved.form.windowHandle()->setScreen(dense);
        moved.form.move(dense->geometry().topLeft());
        QTRY_COMPARE(moved.form.devicePixelRatioF(), 1.5);
        Game born;
        born.showOn(dense);
        QCOMPARE(Pixels(moved.form.grab()), Pixels(born.form.grab()));
    }

    // Drawn for 1.5, not scaled from the 1x or 2x picture.
    void facesAreDrawnForTheRatio() {
        for (kring::ImageButton* button :
             {moved.form.LoadKnop, moved.form.MakeKnop, moved.form.CancelKnop}) {
            const QImage drawn = kring::DrawButtonFace(button->text(), button->size(), 1.5);
            QCOMPARE(Pixels(button->grab()), drawn.convertToFormat(QImage::Format_RGB32));
        }
    }

    void knightIsDrawnForTheRatio() {
        // Inside the frame that the cell draws over it.
        const QRect inside(2, 2, 161, 161);
        const QImage shown = Pixels(moved.form.PicMidden->grab()).copy(inside);
        QCOMPARE(shown,
                 kring::DrawCentreKnight(1.5).convertToFormat(QImage::Format_RGB32).copy(inside));
    }

    void iconIsDrawnForTheRatio() {
        QImage shown = moved.form.windowIcon().pixmap(QSize(32, 32), 1.5).toImage();
        shown.setDevicePixelRatio(1);
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 kring::DrawWindowIcon(1.5).convertToFormat(QImage::Format_ARGB32));
    }

    // Run with a font configuration of Liberation alone: the knight and the
    // icon are then the shipped pictures, scaled, not an empty glyph's box.
    void withoutTheKnightsFont() {
        if (kring::HasKnightGlyph())
            QSKIP("the knight's font is installed");
        const QImage shipped = QImage(":/images/knight.png").scaled(165, 165);
        const QImage shown = Pixels(moved.form.PicMidden->grab());
        QVERIFY(MeanDifference(shown.convertToFormat(QImage::Format_ARGB32),
                               shipped.convertToFormat(QImage::Format_ARGB32)) < 8);
        for (const int size : {16, 48}) {
            const QImage icon = moved.form.windowIcon().pixmap(QSize(size, size), 1.0).toImage();
            const QImage shippedIcon = QImage(":/images/icon.png").scaled(size, size);
            QVERIFY(MeanDifference(icon.convertToFormat(QImage::Format_ARGB32),
                                   shippedIcon.convertToFormat(QImage::Format_ARGB32)) < 16);
        }
    }
};

QTEST_MAIN(ScaledDesktopTest)
#include "ScaledDesktopTest.moc"
