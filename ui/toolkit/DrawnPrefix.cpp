#include "ui/toolkit/DrawnPrefix.h"

#include <QFontMetricsF>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace kring {

namespace {

// Laying out this many characters costs next to nothing.
constexpr qsizetype AlwaysWhole = 256;

// Where the character drawn at position n ends: n itself, or a little further
// when n falls inside a surrogate pair or between a letter and its accents.
// Only the characters near n decide that.
qsizetype CharacterEnd(const QString& text, qsizetype n) {
    if (n >= text.size())
        return text.size();
    constexpr qsizetype Context = 32;
    const qsizetype from = std::max<qsizetype>(0, n - Context);
    const qsizetype to = std::min(text.size(), n + Context);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme,
                               QStringView(text).sliced(from, to - from));
    finder.setPosition(n - from);
    if (finder.isAtBoundary())
        return n;
    const qsizetype next = finder.toNextBoundary();
    return next < 0 ? to : from + next;
}

} // namespace

QString LongestDrawn(const QString& text) {
    if (text.size() <= MaxDrawnLength)
        return text;
    return text.first(CharacterEnd(text, MaxDrawnLength));
}

QString DrawnPrefix(const QString& text, const QFont& font) {
    if (text.size() <= AlwaysWhole)
        return text;
    const QFontMetricsF metrics(font);
    // Twice as many characters each time, so all measuring together costs at
    // most twice the last.
    for (qsizetype n = AlwaysWhole;; n *= 2) {
        const qsizetype end = CharacterEnd(text, std::min(n, MaxDrawnLength));
        if (end >= text.size())
            return text;
        QString prefix = text.first(end);
        if (n >= MaxDrawnLength || metrics.horizontalAdvance(prefix) > MaxDrawnWidth)
            return prefix;
    }
}

} // namespace kring
