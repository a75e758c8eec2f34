#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

namespace kring {

// The window's pictures are PNG files among the compiled-in resources, each
// with an "@2x" version beside it for high-density screens. They are read as
// PNG outright: a reader left to find out the format asks every image format
// plugin, which loads them all.

// The picture at path, and its "@2x" version when a screen has a high pixel
// density, as QIcon(path) would hold them.
QIcon PictureIcon(const QString& path);

// The size of the picture at path, from its header.
QSize PictureSize(const QString& path);

} // namespace kring
