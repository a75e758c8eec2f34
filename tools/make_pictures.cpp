// Draws the window's pictures: the three button faces, the centre cell's
// knight and the window icon, each at 1x and 2x, and writes them as PNG files
// together with the Qt resource file that lists them.
//
// Usage: make_pictures <output folder>

#include "ui/pictures/DrawnPictures.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {

struct Picture {
    const char* name;
    QImage (*draw)(int scale);
};

QImage loadButton(int scale) {
    return kring::DrawButtonFace("Load", QSize(56, 22), scale);
}
QImage placeButton(int scale) {
    return kring::DrawButtonFace("Plaatsen", QSize(60, 24), scale);
}
QImage cancelButton(int scale) {
    return kring::DrawButtonFace("Annuleren", QSize(64, 24), scale);
}
QImage centreKnight(int scale) {
    return kring::DrawCentreKnight(scale);
}
QImage windowIcon(int scale) {
    return kring::DrawWindowIcon(scale);
}

const Picture pictures[] = {
    {"load", loadButton},     {"plaatsen", placeButton}, {"annuleren", cancelButton},
    {"knight", centreKnight}, {"icon", windowIcon},
};

bool writeResourceFile(const QDir& folder, const QStringList& files) {
    QFile qrc(folder.filePath("images.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        return false;
    }
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/images\">\n";
    for (const QString& file : files) {
        out << "    <file>" << file << "</file>\n";
    }
    out << "</qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures <output folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "make_pictures: no folder %s\n", argv[1]);
        return 1;
    }
    for (const char* family : {"Arial", "DejaVu Sans"}) {
        const QString found = QFontInfo(QFont(family)).family();
        std::printf("%s -> %s\n", family, qPrintable(found));
    }

    QStringList files;
    for (const Picture& picture : pictures) {
        for (int scale : {1, 2}) {
            const QString file = QString::fromLatin1(picture.name) +
                                 (scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)) +
                                 QStringLiteral(".png");
            const QImage image = picture.draw(scale);
            if (!image.save(folder.filePath(file), "PNG")) {
                std::fprintf(stderr, "make_pictures: cannot write %s\n", qPrintable(file));
                return 1;
            }
            std::printf("%s %dx%d\n", qPrintable(file), image.width(), image.height());
            files.append(file);
        }
    }
    if (!writeResourceFile(folder, files)) {
        std::fprintf(stderr, "make_pictures: cannot write images.qrc\n");
        return 1;
    }
    return 0;
}
