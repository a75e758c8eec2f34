// Draws the game's icon for desktop menus and launchers: the black knight of
// the board's centre cell on an olive tile. Writes it as a scalable SVG and as
// PNG files at the sizes of the hicolor icon theme, and as the Windows
// program's icon.ico, with the sizes Windows shows. Also draws the Windows
// installer's two bitmaps: the board's centre knight on the welcome page's
// olive band, and the icon at the right of the other pages' white header.
//
// Usage: make_icons <output folder>

#include "ui/pictures/Colours.h"
#include "ui/pictures/DrawnPictures.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <cstdio>

namespace {

// Everything is drawn on a canvas of this many units square.
constexpr double canvas = 256;

const QColor tileColour(kring::CentreOlive);
const QColor tileEdge(62, 62, 0);
const QColor knightColour(16, 16, 0);
const QColor detailColour(196, 192, 112);

constexpr int pngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int icoSizes[] = {16, 24, 32, 48, 64, 128, 256};

struct Shape {
    QPainterPath path;
    QColor fill;
};

// The icon as filled shapes, back to front.
QList<Shape> iconShapes() {
    QPainterPath edge;
    edge.addRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(16, 16, 224, 224), 32, 32);

    const QPainterPath glyph = kring::KnightGlyph(QRectF(40, 30, 176, 196));
    const QPainterPath body = kring::Silhouette(glyph);
    return {
        {edge, tileEdge},
        {tile, tileColour},
        {body, detailColour},
        {glyph, knightColour},
    };
}

QString number(double value) {
    return QString::number(value, 'f', 2);
}

// SVG path data: the path's elements as M, L and C commands.
QString svgPathData(const QPainterPath& path) {
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            data += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isLineTo()) {
            data += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
        } else if (e.isCurveTo()) {
            // A cubic curve: this element and the next two hold its three points.
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            data += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                        .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x),
                             number(end.y));
            i += 2;
        }
    }
    return data;
}

bool writeSvg(const QString& file, const QList<Shape>& shapes) {
    QFile svg(file);
    if (!svg.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        return false;
    }
    QTextStream out(&svg);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << canvas << "\" height=\""
        << canvas << "\" viewBox=\"0 0 " << canvas << ' ' << canvas << "\">\n";
    for (const Shape& shape : shapes) {
        const char* rule = shape.path.fillRule() == Qt::OddEvenFill ? "evenodd" : "nonzero";
        out << "  <path fill=\"" << shape.fill.name() << "\" fill-rule=\"" << rule << "\" d=\""
            << svgPathData(shape.path) << "\"/>\n";
    }
    out << "</svg>\n";
    return out.status() == QTextStream::Ok;
}

QImage png(int size, const QList<Shape>& shapes) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / canvas, size / canvas);
    for (const Shape& shape : shapes) {
        painter.fillPath(shape.path, shape.fill);
    }
    return image;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An .ico file whose images are PNG files, which Windows reads since Vista.
bool writeIco(const QString& file, const QList<Shape>& shapes) {
    QList<QByteArray> images;
    for (int size : icoSizes)
        images.append(pngBytes(png(size, shapes)));
    QByteArray ico;
    QDataStream out(&ico, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(images.size()); // reserved, icon, count
    quint32 offset = 6 + 16 * images.size();
    for (qsizetype i = 0; i < images.size(); ++i) {
        const int size = icoSizes[i];
        // Width and height in a byte each, 256 as 0; no palette; one plane of 32 bits.
        out << quint8(size % 256) << quint8(size % 256) << quint8(0) << quint8(0) << quint16(1)
            << quint16(32) << quint32(images[i].size()) << offset;
        offset += images[i].size();
    }
    for (const QByteArray& image : images)
        ico.append(image);
    QFile icoFile(file);
    return icoFile.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           icoFile.write(ico) == ico.size();
}

// Bitmaps of the sizes the installer's pages show unscaled at 96 dpi.
bool writeInstallerPictures(const QDir& folder, const QList<Shape>& shapes) {
    QImage welcome(164, 314, QImage::Format_RGB32);
    welcome.fill(tileColour);
    const QImage knight = kring::DrawCentreKnight(1.4);
    QPainter(&welcome).drawImage((welcome.width() - knight.width()) / 2, 24, knight);

    QImage header(150, 57, QImage::Format_RGB32);
    header.fill(Qt::white);
    QPainter(&header).drawImage(header.width() - 52, 4, png(48, shapes));
    return welcome.save(folder.filePath(QStringLiteral("installer-welcome.bmp")), "BMP") &&
           header.save(folder.filePath(QStringLiteral("installer-header.bmp")), "BMP");
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_icons: no folder %s\n", argv[1]);
        return 1;
    }
    const QString family = QFontInfo(QFont(QStringLiteral("DejaVu Sans"))).family();
    if (family != QStringLiteral("DejaVu Sans")) {
        std::fprintf(stderr, "make_icons: DejaVu Sans is missing (found %s)\n", qPrintable(family));
        return 1;
    }

    const QList<Shape> shapes = iconShapes();
    if (!writeSvg(folder.filePath(QStringLiteral("icon.svg")), shapes)) {
        std::fprintf(stderr, "make_icons: cannot write icon.svg\n");
        return 1;
    }
    for (int size : pngSizes) {
        const QString file = QStringLiteral("icon-%1.png").arg(size);
        if (!png(size, shapes).save(folder.filePath(file), "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    if (!writeIco(folder.filePath(QStringLiteral("icon.ico")), shapes)) {
        std::fprintf(stderr, "make_icons: cannot write icon.ico\n");
        return 1;
    }
    std::printf("icon.ico\n");
    if (!writeInstallerPictures(folder, shapes)) {
        std::fprintf(stderr, "make_icons: cannot write the installer's bitmaps\n");
        return 1;
    }
    std::printf("installer-welcome.bmp\ninstaller-header.bmp\n");
    return 0;
}
