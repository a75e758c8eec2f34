#include "ui/Picture.h"

#include <QImageReader>
#include <QPixmap>

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
    QPixmap drawn = QPixmap::fromImage(draw(ratio));
    drawn.setDevicePixelRatio(ratio);
    return drawn;
}

QSize PictureSize(const QString& path) {
    QImageReader reader(path);
    ReadAsPng(reader);
    return reader.size();
}

} // namespace kring
