#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;

namespace kring {

// A cell that keeps what is drawn on it: lines and printed text stay until
// the drawing is cleared. They are kept as steps and drawn into a backing
// image at the screen's pixel density, and drawn again at a new density when
// the window moves to another screen. Coordinates are pixels from the
// top-left corner. An optional picture lies beneath the drawing. Screen
// readers get the text printed since the last clearing as the cell's name.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    // The picture beneath the drawing, for a given pixel ratio.
    using PictureSource = std::function<QPixmap(qreal ratio)>;

    explicit PictureBox(QWidget* parent);

    // Like clearing, this wipes the drawing: the new colour with the picture on it.
    void setBackColor(const QColor& colour);
    void setForeColor(const QColor& colour) { foreColor_ = colour; }
    void setFontBold(bool bold);
    // In points; the font gets the pixel size these make at 96 DPI.
    void setFontSize(double points);

    float currentX = 0;
    // The top of the next printed line.
    float currentY = 0;

    // Wipes the drawing too.
    void setPicture(PictureSource picture);
    // Drops the picture and the drawing, leaving only the background colour.
    void clearPicture();
    // The outline of the rectangle from (x1, y1) to (x2, y2), corners included.
    void lineBox(int x1, int y1, int x2, int y2, const QColor& colour);
    // Draws text with the top of its line at currentY, then moves to the next line.
    void print(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    using Step = std::function<void(QPainter&)>;
    void wipe();
    void draw(Step step);
    // The drawing, at the widget's current size and pixel ratio.
    QImage& canvas();

    QColor backColor_;
    QColor foreColor_;
    PictureSource picture_;
    std::vector<Step> steps_;
    QImage image_;
};

} // namespace kring
