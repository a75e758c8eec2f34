#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace kring {

// A button that shows a picture of a push button, drawn for the screen's
// pixel density. One press and release is one click; a double-click is one
// click too. It takes the keyboard focus only by Tab, shows a dotted mark
// while it has it, and Space or Return click it. Left and Top are kept in
// single-precision twips and rounded to pixels only when the widget moves.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    // picturePath names the picture at its plain size; an "@2x" version
    // beside it is used at pixel ratio 2. word is what the picture shows: the
    // button's name for screen readers, and what is drawn at other ratios.
    ImageButton(const QString& picturePath, const QString& word, QWidget* parent);

    float left() const { return left_; }
    float top() const { return top_; }
    void setLeft(float twips);
    void setTop(float twips);
    // Screen readers get the tip, without its surrounding blanks, as the description.
    void setToolTipText(const QString& tip);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void moveToTwips();

    QString picturePath_;
    QPixmap face_; // at the pixel ratio it was last painted at
    float left_ = 0;
    float top_ = 0;
};

} // namespace kring
