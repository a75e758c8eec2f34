// The window at pixel ratio 1.5 (CMake sets QT_SCALE_FACTOR=1.5) on the
// offscreen screen, 533 x 533 of the window's pixels: too narrow for it.

#include "FakeDesktop.h"

#include "core/tests/ScriptedRandom.h"
#include "ui/DrawnPictures.h"
#include "ui/ImageButton.h"
#include "ui/KringForm.h"
#include "ui/PictureBox.h"

#include <QScreen>
#include <QtTest>

class ScaledDesktopTest : public QObject {
    Q_OBJECT

    FakeDesktop desktop;
    kring::test::ScriptedRandom random{{0.0f}};
    kring::KringForm form{desktop, random};

    static QImage Pixels(const QPixmap& pixmap) {
        QImage image = pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        image.setDevicePixelRatio(1);
        return image;
    }

private slots:
    void initTestCase() {
        QCOMPARE(qGuiApp->devicePixelRatio(), 1.5);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
    }

    void topLeftStaysOnTheScreen() {
        // Too wide, so at the left edge; high enough, so centred, frame included.
        const QRect area = form.screen()->availableGeometry();
        QCOMPARE(form.pos(), QPoint(area.left(), area.top() + (area.height() - 420) / 2));
    }

    // Drawn for 1.5, not scaled from the 1x or 2x picture.
    void facesAreDrawnForTheRatio() {
        for (kring::ImageButton* button : {form.LoadKnop, form.MakeKnop, form.CancelKnop}) {
            const QImage drawn = kring::DrawButtonFace(button->text(), button->size(), 1.5);
            QCOMPARE(Pixels(button->grab()), drawn.convertToFormat(QImage::Format_RGB32));
        }
    }

    void knightIsDrawnForTheRatio() {
        // Inside the frame that the cell draws over it.
        const QRect inside(2, 2, 161, 161);
        const QImage shown = Pixels(form.PicMidden->grab()).copy(inside);
        QCOMPARE(shown,
                 kring::DrawCentreKnight(1.5).convertToFormat(QImage::Format_RGB32).copy(inside));
    }

    void iconIsDrawnForTheRatio() {
        QImage shown = form.windowIcon().pixmap(QSize(32, 32), 1.5).toImage();
        shown.setDevicePixelRatio(1);
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 kring::DrawWindowIcon(1.5).convertToFormat(QImage::Format_ARGB32));
    }
};

QTEST_MAIN(ScaledDesktopTest)
#include "ScaledDesktopTest.moc"
