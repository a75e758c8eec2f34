// At pixel ratio 2 (CMake sets QT_SCALE_FACTOR=2) the window shows each
// picture's "@2x" version in the room of the plain one.

#include "ShownGame.h"

#include "ui/ImageButton.h"
#include "ui/PictureBox.h"

class HighDensityTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAreTheDenseOnes() {
        QCOMPARE(qGuiApp->devicePixelRatio(), 2.0);
        ShownGame g;
        // Rendered afresh: a grab of the screen here gives its first quarter only.
        const QImage screen = g.form.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const std::pair<QWidget*, QString> pictures[] = {
            {g.form.LoadKnop, "load"}, {g.form.MakeKnop, "plaatsen"}, {g.form.CancelKnop, "annuleren"}};
        for (const auto& [widget, name] : pictures) {
            const QRect at(widget->pos() * 2, widget->size() * 2);
            QCOMPARE(screen.copy(at), QImage(":/images/" + name + "@2x.png").convertToFormat(QImage::Format_RGB32));
        }
        // The knight, inside the frame drawn over it.
        const QRect inside(g.form.PicMidden->pos() * 2 + QPoint(2, 2), QSize(216, 216));
        QCOMPARE(screen.copy(inside),
                 QImage(":/images/knight@2x.png").convertToFormat(QImage::Format_RGB32).copy(2, 2, 216, 216));
    }
};

QTEST_MAIN(HighDensityTest)
#include "HighDensityTest.moc"
