#pragma once

#include <QIcon>
#include <QWidget>

namespace kring {

// A picture that works as a button: it shows its picture at the screen's
// pixel density, emits clicked() when the mouse is released inside it, shows
// a tool tip and never takes the keyboard focus. Left and Top are kept in
// single-precision twips and rounded to pixels only when the widget moves.
class ImageButton : public QWidget {
    Q_OBJECT
public:
    // picturePath names the picture at its plain size; an "@2x" version
    // beside it is used on high-density screens.
    ImageButton(const QString& picturePath, QWidget* parent);

    float left() const { return left_; }
    float top() const { return top_; }
    void setLeft(float twips);
    void setTop(float twips);
    // The accessible name is the tip without its surrounding blanks.
    void setToolTipText(const QString& tip);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void moveToTwips();

    QIcon picture_;
    float left_ = 0;
    float top_ = 0;
    bool pressed_ = false;
};

} // namespace kring
