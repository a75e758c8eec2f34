#pragma once

#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <QString>

namespace kring {

// The window's pictures drawn with QPainter at a given pixel ratio. The PNG
// files in images/ are these drawings at ratios 1 and 2 (tools/make_pictures);
// the window draws them itself at any other ratio, so they stay sharp there.

// A push button at rest showing word; size is in device-independent pixels.
QImage DrawButtonFace(const QString& word, QSize size, double scale);
// The centre cell's knight on olive, 110 x 110 device-independent pixels.
// Null when the knight's font is not installed (HasKnightGlyph).
QImage DrawCentreKnight(double scale);
// The window icon, 32 x 32 device-independent pixels; null as the knight is.
QImage DrawWindowIcon(double scale);

// Whether the font the knight is drawn from is installed and has it.
bool HasKnightGlyph();

// The knight of DejaVu Sans, mirrored to face right, scaled to stand in box:
// centred across, on the box's bottom edge.
QPainterPath KnightGlyph(const QRectF& box);
// The path with its inner openings (eye, nostril, mane line) filled in.
QPainterPath Silhouette(const QPainterPath& glyph);

} // namespace kring
