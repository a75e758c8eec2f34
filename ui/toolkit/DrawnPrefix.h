#pragma once

#include <QFont>
#include <QString>

namespace kring {

// How far a line of text is ever drawn, in pixels and in characters. The
// window is 612 pixels wide, so nothing beyond shows; a word file can hold a
// line of megabytes, and laying all of it out would take seconds and gigabytes.
inline constexpr int MaxDrawnWidth = 4096;
inline constexpr qsizetype MaxDrawnLength = 8192;

// The first characters of text, at most MaxDrawnLength of them, ending at the
// end of a character as drawn (a letter with its accents, a surrogate pair).
// The text itself when it is no longer.
QString LongestDrawn(const QString& text);

// The part of a one-line text that is drawn in font: the whole text when it
// is no wider than MaxDrawnWidth pixels, else the first characters just wider
// than that (LongestDrawn at most). Texts of up to 256 characters are kept
// whole unmeasured; of longer ones only the part returned, and at most as much
// again, is measured.
QString DrawnPrefix(const QString& text, const QFont& font);

} // namespace kring
