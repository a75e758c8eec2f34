#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace kring {

// The window's pictures drawn with QPainter at a given pixel ratio. The PNG
// files in ui/images/ are these drawings at ratios 1 and 2 (tools/make_pictures);
// the window draws them itself at any other ratio, so they stay sharp there.

// A push button at rest showing word; size is in device-independent pixels.
QImage DrawButtonFace(const QString& word, QSize size, double scale);
// The centre cell's knight on olive, 110 x 110 device-independent pixels.
QImage DrawCentreKnight(double scale);
// The window icon, 32 x 32 device-independent pixels.
QImage DrawWindowIcon(double scale);

} // namespace kring
