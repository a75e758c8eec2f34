#pragma once

#include <QColor>
#include <QWidget>

namespace kring {

// A caption on one line. Transparent unless made opaque; with autoSize it
// takes the size of its caption after every change of caption or font. A
// caption of megabytes is kept whole but drawn and measured only as far as it
// can show (DrawnPrefix). Screen readers get the drawn caption as the label's
// name, unless the caption is drawn in the colour set as hidden.
class Label : public QWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setForeColor(const QColor& colour);
    void setBackColor(const QColor& colour);
    void setOpaque(bool opaque);
    void setAutoSize(bool autoSize);
    // The colour of what lies behind the label: a caption in it cannot be seen.
    void setHiddenColor(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitCaption();
    void tellScreenReaders();

    QString caption_;
    QString drawn_; // the part of the caption that is drawn
    QColor foreColor_;
    QColor backColor_;
    QColor hiddenColor_;
    bool opaque_ = false;
    bool autoSize_ = false;
};

} // namespace kring
