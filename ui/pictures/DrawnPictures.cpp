#include "ui/pictures/DrawnPictures.h"

#include "ui/pictures/Colours.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace kring {

namespace {

constexpr char16_t blackChessKnight = u'\u265E';

struct RoundedRect {
    double left, top, right, bottom, radius;

    bool contains(double x, double y) const {
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
    }
};

// Fraction of the device pixel (px, py) that lies inside the shape, sampled
// on an 8 × 8 grid; shape coordinates are logical pixels.
double coverage(const RoundedRect& shape, int px, int py, double scale) {
    constexpr int samples = 8;
    int inside = 0;
    for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
            const double x = (px + (sx + 0.5) / samples) / scale;
            const double y = (py + (sy + 0.5) / samples) / scale;
            inside += shape.contains(x, y) ? 1 : 0;
        }
    }
    return double(inside) / (samples * samples);
}

// Face colour of device pixel row `row`: near white in the upper half, light
// grey in the lower half, each half shading darker downwards from its first
// row to its last.
QColor faceColour(int row, int rows, double scale) {
    const int firstRow = int(std::lround(scale));
    const int middleRow = rows / 2;
    const int lastRow = rows - firstRow - 1;
    auto shade = [](double from, double to, int at, int first, int last) {
        const double t = std::clamp(double(at - first) / (last - first), 0.0, 1.0);
        const int level = int(std::lround(from + (to - from) * t));
        return QColor(level, level, level);
    };
    if (row < middleRow) {
        return shade(252, 236, row, firstRow, middleRow - 1);
    }
    return shade(219, 208, row, middleRow, lastRow);
}

QColor mix(const QColor& a, const QColor& b, double weightOfB) {
    auto channel = [&](int ca, int cb) { return int(std::lround(ca + (cb - ca) * weightOfB)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

} // namespace

// A push button at rest: a one-pixel grey border with rounded corners, whose
// corner pixels show the window's colour, a two-tone shaded face and the word
// centred on it.
QImage DrawButtonFace(const QString& word, QSize size, double scale) {
    const int width = size.width();
    const int height = size.height();
    const RoundedRect outer{0, 0, double(width), double(height), 2.0};
    const RoundedRect inner{1, 1, width - 1.0, height - 1.0, 1.0};

    QImage image(int(std::ceil(width * scale)), int(std::ceil(height * scale)),
                 QImage::Format_RGB32);
    for (int py = 0; py < image.height(); ++py) {
        const QColor face = faceColour(py, image.height(), scale);
        for (int px = 0; px < image.width(); ++px) {
            double inOuter = coverage(outer, px, py, scale);
            double inInner = coverage(inner, px, py, scale);
            if (scale == 1) {
                // Whole pixels only, so the corners stay crisp.
                inOuter = inOuter >= 0.5 ? 1.0 : 0.0;
                inInner = inInner >= 0.5 ? 1.0 : 0.0;
            }
            QColor colour = mix(QColor(WindowColour), QColor(ButtonBorder), inOuter);
            colour = mix(colour, face, inInner);
            image.setPixel(px, py, colour.rgb());
        }
    }

    QFont font("Arial");
    font.setPixelSize(int(std::lround(12 * scale)));
    font.setHintingPreference(QFont::PreferFullHinting);
    const QFontMetricsF metrics(font);
    const QRectF ink = metrics.tightBoundingRect(word);
    // Every word starts with a capital and none has a descender, so centring
    // the capital height centres the ink.
    const double x = std::round((image.width() - ink.width()) / 2.0 - ink.left());
    const double baseline = std::round((image.height() + metrics.capHeight()) / 2.0);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor(ButtonText));
    painter.drawText(QPointF(x, baseline), word);
    return image;
}

namespace {

QFont KnightFont() {
    QFont font("DejaVu Sans");
    font.setPixelSize(1000);
    return font;
}

} // namespace

// A chess knight from the side on plain olive: the head and neck of the
// glyph on a turned foot, dark olive shading to black, with a light band of
// sheen running diagonally across it.
QImage DrawCentreKnight(double scale) {
    if (!HasKnightGlyph())
        return {};
    const int size = int(std::ceil(110 * scale));
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(CentreOlive);

    const double s = scale;
    // Head and neck, then the foot: a collar, a waist and a wide base plate.
    const QPainterPath glyph = KnightGlyph(QRectF(27 * s, 10 * s, 58 * s, 72 * s));
    const QRectF head = glyph.boundingRect();
    QPainterPath foot;
    foot.addRoundedRect(QRectF(head.left() - 1 * s, 80 * s, head.width() + 2 * s, 5 * s), 2 * s,
                        2 * s);
    QPainterPath waist;
    waist.moveTo(head.left() + 2 * s, 85 * s);
    waist.lineTo(head.right() - 2 * s, 85 * s);
    waist.lineTo(head.right() + 4 * s, 92 * s);
    waist.lineTo(head.left() - 4 * s, 92 * s);
    waist.closeSubpath();
    foot.addPath(waist);
    foot.addRoundedRect(QRectF(head.left() - 8 * s, 92 * s, head.width() + 16 * s, 8 * s), 3 * s,
                        3 * s);
    foot.setFillRule(Qt::WindingFill);

    QPainterPath body = Silhouette(glyph).united(foot);
    body.setFillRule(Qt::WindingFill);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The glyph's openings show as lighter olive details.
    painter.fillPath(body.subtracted(glyph), QColor(128, 124, 40));

    QLinearGradient shading(QPointF(0, 10 * s), QPointF(0, 100 * s));
    shading.setColorAt(0.0, QColor(78, 76, 18));
    shading.setColorAt(0.55, QColor(34, 33, 6));
    shading.setColorAt(1.0, QColor(0, 0, 0));
    QPainterPath dark = glyph.united(foot);
    dark.setFillRule(Qt::WindingFill);
    painter.fillPath(dark, shading);

    // The sheen: a soft light band from upper right to lower left, on the body only.
    QLinearGradient sheen(QPointF(20 * s, 15 * s), QPointF(95 * s, 95 * s));
    sheen.setColorAt(0.00, QColor(255, 255, 220, 0));
    sheen.setColorAt(0.30, QColor(255, 255, 220, 0));
    sheen.setColorAt(0.40, QColor(255, 255, 220, 110));
    sheen.setColorAt(0.47, QColor(255, 255, 220, 0));
    sheen.setColorAt(1.00, QColor(255, 255, 220, 0));
    painter.setClipPath(dark);
    painter.fillRect(image.rect(), sheen);
    painter.setClipping(false);

    // A dark rim keeps the outline sharp against the olive.
    painter.setPen(QPen(QColor(10, 10, 0), 0.8 * s));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);
    painter.end();
    return image;
}

// The window icon: the knight's head and neck in black with grey highlights
// on a transparent background, reduced to 16 colours and an on/off mask.
QImage DrawWindowIcon(double scale) {
    if (!HasKnightGlyph())
        return {};
    const int size = int(std::ceil(32 * scale));
    const double s = scale;
    const QPainterPath glyph = KnightGlyph(QRectF(1 * s, 0.5 * s, 30 * s, 31 * s));
    const QPainterPath body = Silhouette(glyph);

    // The colours are drawn over black, so that edge pixels blend towards the
    // knight's black and not towards an arbitrary transparent colour; the
    // mask comes from the outline alone.
    QImage colours(size, size, QImage::Format_RGB32);
    colours.fill(Qt::black);
    QPainter painter(&colours);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(body.subtracted(glyph), QColor(176, 176, 176));
    QLinearGradient sheen(QPointF(4 * s, 2 * s), QPointF(28 * s, 30 * s));
    sheen.setColorAt(0.00, QColor(160, 160, 160, 0));
    sheen.setColorAt(0.22, QColor(160, 160, 160, 0));
    sheen.setColorAt(0.30, QColor(160, 160, 160, 170));
    sheen.setColorAt(0.38, QColor(160, 160, 160, 0));
    sheen.setColorAt(1.00, QColor(160, 160, 160, 0));
    painter.setClipPath(glyph);
    painter.fillRect(colours.rect(), sheen);
    painter.end();

    QImage mask(size, size, QImage::Format_Grayscale8);
    mask.fill(0);
    painter.begin(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(body, Qt::white);
    painter.end();

    // Palette: index 0 is transparent, the rest are greys from black to white.
    QList<QRgb> palette{qRgba(0, 0, 0, 0)};
    for (int level = 0; level < 15; ++level) {
        const int grey = level * 255 / 14;
        palette.append(qRgb(grey, grey, grey));
    }
    QImage icon(size, size, QImage::Format_Indexed8);
    icon.setColorTable(palette);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            if (qGray(mask.pixel(x, y)) < 128) {
                icon.setPixel(x, y, 0);
                continue;
            }
            const int grey = qGray(colours.pixel(x, y));
            icon.setPixel(x, y, uint(1 + std::lround(grey * 14 / 255.0)));
        }
    }
    return icon;
}

bool HasKnightGlyph() {
    // Without DejaVu Sans another font stands in, with no knight or another one.
    return QRawFont::fromFont(KnightFont()).supportsCharacter(QChar(blackChessKnight));
}

QPainterPath KnightGlyph(const QRectF& box) {
    const QFont font = KnightFont();
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(QChar(blackChessKnight)));
    glyph = QTransform::fromScale(-1, 1).map(glyph);
    const QRectF bounds = glyph.boundingRect();
    const double factor = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform transform;
    transform.translate(box.center().x(), box.bottom());
    transform.scale(factor, factor);
    transform.translate(-bounds.center().x(), -bounds.bottom());
    return transform.map(glyph);
}

QPainterPath Silhouette(const QPainterPath& glyph) {
    // Each contour filled on its own covers its whole inside, whichever way
    // it runs; their union is the outline without openings.
    QPainterPath outline;
    for (const QPolygonF& contour : glyph.toSubpathPolygons()) {
        QPainterPath piece;
        piece.addPolygon(contour);
        piece.closeSubpath();
        outline = outline.united(piece);
    }
    return outline;
}

} // namespace kring
