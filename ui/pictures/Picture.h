#pragma once

#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <functional>

namespace kring {

// The window's pictures are PNG files among the compiled-in resources, each
// with an "@2x" version beside it for high-density screens. They are read as
// PNG outright: a reader left to find out the format asks every image format
// plugin, which loads them all.

// The picture at path for a screen of the given pixel ratio: the file itself at
// ratio 1, its "@2x" version at 2, and at any other ratio what draw makes for
// it, since a scaled picture would blur. When draw cannot make it and gives a
// null image, the "@2x" version is scaled smoothly instead.
QPixmap PictureForRatio(const QString& path, qreal ratio,
                        const std::function<QImage(qreal ratio)>& draw);

// The size of the picture at path, from its header.
QSize PictureSize(const QString& path);

} // namespace kring
