#pragma once

#include <QColor>
#include <QWidget>

namespace kring {

// A caption on one line. Transparent unless made opaque; with autoSize it
// takes the size of its caption after every change of caption or font. A
// caption of megabytes is kept whole but drawn and measured only as far as it
// can show (DrawnPrefix).
class Label : public QWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor foreColor() const { return foreColor_; }
    void setForeColor(const QColor& colour);
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);
    void setAutoSize(bool autoSize);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitCaption();

    QString caption_;
    QString drawn_; // the part of the caption that is drawn
    QColor foreColor_;
    QColor backColor_;
    bool opaque_ = false;
    bool autoSize_ = false;
};

} // namespace kring
