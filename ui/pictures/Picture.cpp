#include "ui/pictures/Picture.h"

#include <QImageReader>
#include <QPixmap>
#include <QtMath>

namespace kring {

namespace {

void ReadAsPng(QImageReader& reader) {
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}

QPixmap ReadPicture(const QString& path) {
    QImageReader reader(path);
    ReadAsPng(reader);
    return QPixmap::fromImage(reader.read()); // "@2x" in the name gives a pixel ratio of 2
}

QString AtTwoX(const QString& path) {
    QString atTwoX = path;
    const qsizetype dot = path.lastIndexOf(u'.');
    atTwoX.insert(dot < 0 ? path.size() : dot, QStringLiteral("@2x"));
    return atTwoX;
}

} // namespace

QPixmap PictureForRatio(const QString& path, qreal ratio,
                        const std::function<QImage(qreal ratio)>& draw) {
    if (ratio == 1.0)
        return ReadPicture(path);
    if (ratio == 2.0)
        return ReadPicture(AtTwoX(path));
    QImage drawn = draw(ratio);
    if (drawn.isNull()) {
        // It cannot be drawn here, for want of a font: the larger file, smoothly scaled.
        const QSize size = PictureSize(path);
        drawn = ReadPicture(AtTwoX(path))
                    .toImage()
                    .scaled(qCeil(size.width() * ratio), qCeil(size.height() * ratio),
                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap pixmap = QPixmap::fromImage(drawn);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QSize PictureSize(const QString& path) {
    QImageReader reader(path);
    ReadAsPng(reader);
    return reader.size();
}

} // namespace kring
