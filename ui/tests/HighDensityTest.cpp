// The pictures on a screen of pixel ratio 2 (CMake sets QT_SCALE_FACTOR=2):
// each shows its "@2x" version in the room of the plain one.

#include "ui/ImageButton.h"
#include "ui/Picture.h"

#include <QtTest>

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QCOMPARE(qGuiApp->devicePixelRatio(), 2.0); }

    void pictures_data() {
        QTest::addColumn<QString>("name");
        for (const char* name : {"load", "plaatsen", "annuleren", "knight", "icon"})
            QTest::newRow(name) << QString(name);
    }

    void pictures() {
        QFETCH(QString, name);
        const QImage plain(":/images/" + name + ".png");
        const QImage dense(":/images/" + name + "@2x.png");
        const QString path = ":/images/" + name + ".png";
        QCOMPARE(kring::PictureSize(path), plain.size());
        const QImage shown = kring::PictureIcon(path).pixmap(plain.size(), 2.0).toImage();
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
                 dense.convertToFormat(QImage::Format_ARGB32));
    }

    void buttonShowsTheDensePicture() {
        QWidget window;
        kring::ImageButton button(":/images/load.png", "Load", &window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(button.size(), QSize(56, 22));
        const QImage shown = button.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, QImage(":/images/load@2x.png").convertToFormat(QImage::Format_RGB32));
    }
};

QTEST_MAIN(HighDensityTest)
#include "HighDensityTest.moc"
