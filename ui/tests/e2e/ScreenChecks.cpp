#include "ScreenChecks.h"

#include "ClientLayout.h"

#include <QSet>

using namespace board;
using namespace client_layout;

namespace screen_checks {

namespace {

bool insideAnyCell(QPoint p) {
    if (CellRect(CentreAt).contains(p))
        return true;
    for (QPoint cell : CellAt)
        if (CellRect(cell).contains(p))
            return true;
    return false;
}

// Adds one line to `problems` when `bad` pixels of the area are not `expected`.
void expectAll(QStringList& problems, const Screenshot& shot, QRect area, QRgb expected,
               const QString& what, const std::function<bool(QPoint)>& skip = {}) {
    int bad = 0;
    QPoint first;
    QRgb seen = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint p(x, y);
            if (skip && skip(p))
                continue;
            const QRgb c = shot.at(p);
            if (!sameColour(c, expected)) {
                if (bad++ == 0) {
                    first = p;
                    seen = c;
                }
            }
        }
    if (bad > 0)
        problems << QStringLiteral("%1: %2 pixels are not %3, the first at (%4, %5) is %6")
                        .arg(what)
                        .arg(bad)
                        .arg(describe(expected))
                        .arg(first.x())
                        .arg(first.y())
                        .arg(describe(seen));
}

QRect spotIn(QPoint cell) {
    return orderNumberSpot.translated(cell);
}

bool isBlackText(QRgb c) {
    return darkerThan(c, 30);
}

// The check box's indicator: the small square at the left of the box.
QRect indicator() {
    return QRect(checkBox.topLeft(), QSize(checkBox.height(), checkBox.height()));
}

int differingPixels(const Screenshot& a, const Screenshot& b, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!sameColour(a.at(x, y), b.at(x, y), 8))
                ++n;
    return n;
}

} // namespace

QStringList board(const Screenshot& shot) {
    QStringList problems;
    for (int i = 0; i <= 8; ++i) {
        const QRect r = CellRect(i < 8 ? CellAt[i] : CentreAt);
        const QString name = i < 8 ? QStringLiteral("cell %1 frame").arg(i) : "centre cell frame";
        for (const QRect& edge :
             {QRect(r.left(), r.top(), CellSize, 1), QRect(r.left(), r.bottom(), CellSize, 1),
              QRect(r.left(), r.top(), 1, CellSize), QRect(r.right(), r.top(), 1, CellSize)})
            expectAll(problems, shot, edge, Black, name);
    }

    // Label1 may carry a one-pixel border; inside it, all that the cells leave is grey.
    expectAll(problems, shot, GreySquare.adjusted(1, 1, -1, -1), Grey,
              QStringLiteral("grey square"), insideAnyCell);

    // The centre: olive, with the dark knight standing on it.
    const QRect centreInside = CellRect(CentreAt).adjusted(1, 1, -1, -1);
    for (QPoint corner : {centreInside.topLeft(), centreInside.topRight(),
                          centreInside.bottomLeft(), centreInside.bottomRight()})
        expectAll(problems, shot, QRect(corner, QSize(1, 1)), Olive, "centre cell corner");
    const int olive = shot.count(centreInside, [](QRgb c) { return sameColour(c, Olive); });
    const int knight = shot.count(centreInside, [](QRgb c) { return darkerThan(c, 70); });
    if (olive < centreInside.width() * centreInside.height() / 3)
        problems << QStringLiteral("centre cell: only %1 olive pixels").arg(olive);
    if (knight < 600)
        problems << QStringLiteral("centre cell: only %1 dark pixels, no knight").arg(knight);

    // The window's own colour around the board and between the columns.
    expectAll(problems, shot, QRect(0, 0, 400, GreySquare.top()), Beige,
              QStringLiteral("window above the board"));
    expectAll(problems, shot, QRect(0, 0, GreySquare.left(), clientSize.height()), Beige,
              QStringLiteral("window left of the board"));
    expectAll(problems, shot,
              QRect(0, GreySquare.bottom() + 1, 400, clientSize.height() - GreySquare.bottom() - 1),
              Beige, QStringLiteral("window below the board"));
    expectAll(problems, shot,
              QRect(GreySquare.right() + 1, 0, wordList.left() - GreySquare.right() - 1,
                    clientSize.height()),
              Beige, QStringLiteral("window between the board and the list"));
    return problems;
}

QStringList emptyCells(const Screenshot& shot) {
    QStringList problems;
    for (int i = 0; i < 8; ++i)
        expectAll(problems, shot, CellRect(CellAt[i]).adjusted(1, 1, -1, -1), White,
                  QStringLiteral("inside cell %1").arg(i));
    return problems;
}

QStringList emptyWordList(const Screenshot& shot) {
    const QRect inside = wordList.adjusted(3, 3, -3, -3);
    const int dark = shot.count(inside, [](QRgb c) { return sameColour(c, listColour); });
    if (dark < inside.width() * inside.height() * 95 / 100)
        return {QStringLiteral("word list: only %1 pixels of its background").arg(dark)};
    return {};
}

QStringList filledWordList(const Screenshot& shot) {
    const QRect inside = wordList.adjusted(3, 3, -3, -3);
    const int dark = shot.count(inside, [](QRgb c) { return sameColour(c, listColour); });
    const int light = shot.count(inside, [](QRgb c) { return lighterThan(c, 200); });
    if (dark < inside.width() * inside.height() / 3 || light < 40)
        return {QStringLiteral("word list: %1 background pixels, %2 light text pixels")
                    .arg(dark)
                    .arg(light)};
    return {};
}

QStringList countShown(const Screenshot& shot) {
    // Small text is smoothed: its strokes reach the full colour only in their cores.
    const int core = shot.count(countLabel, [](QRgb c) { return sameColour(c, WordGrey, 6); });
    const int text = shot.count(countLabel, [](QRgb c) { return darkerThan(c, 130); });
    const int black = shot.count(countLabel, [](QRgb c) { return darkerThan(c, 40); });
    if (core == 0 || text < 10 || black > 0)
        return {QStringLiteral("count label: %1 pixels of %2, %3 dark pixels, %4 black ones")
                    .arg(core)
                    .arg(describe(WordGrey))
                    .arg(text)
                    .arg(black)};
    return {};
}

QStringList countHidden(const Screenshot& shot) {
    QStringList problems;
    expectAll(problems, shot,
              QRect(countLabel.left(), countLabel.top(), clientSize.width() - countLabel.left(),
                    countLabel.height()),
              Beige, QStringLiteral("hidden word"));
    return problems;
}

QStringList buttons(const Screenshot& shot) {
    QStringList problems;
    for (const QRect& r : {loadButton, makeButton, cancelButton}) {
        const QString name = QStringLiteral("button at (%1, %2): ").arg(r.left()).arg(r.top());
        const QPoint mid = r.center();
        for (QPoint p : {QPoint(r.left(), mid.y()), QPoint(r.right(), mid.y()),
                         QPoint(mid.x(), r.top()), QPoint(mid.x(), r.bottom())})
            if (!sameColour(shot.at(p), buttonBorderColour, 16))
                problems << name + QStringLiteral("border at (%1, %2) is %3")
                                       .arg(p.x())
                                       .arg(p.y())
                                       .arg(describe(shot.at(p)));
        if (sameColour(shot.at(r.topLeft()), buttonBorderColour, 16))
            problems << name + "the corner is not rounded";
        const QRgb upper = shot.at(r.left() + 2, r.top() + 3);
        const QRgb lower = shot.at(r.left() + 2, r.bottom() - 3);
        if (!lighterThan(upper, 228) || !lighterThan(lower, 198) || lighterThan(lower, 228))
            problems << name +
                            QStringLiteral("face is %1 above, %2 below, not white over light grey")
                                .arg(describe(upper), describe(lower));
        if (shot.count(r.adjusted(2, 2, -2, -2), [](QRgb c) { return darkerThan(c, 90); }) < 15)
            problems << name + "no dark pixels of its word";
    }
    return problems;
}

QStringList lettersInAllCells(const Screenshot& shot) {
    QStringList problems;
    for (int i = 0; i < 8; ++i) {
        const int letter = shot.count(CellRect(CellAt[i]).adjusted(1, 1, -1, -1),
                                      [](QRgb c) { return sameColour(c, LetterGreen, 3); });
        if (letter < 40)
            problems << QStringLiteral("cell %1: only %2 pixels of the letter colour")
                            .arg(i)
                            .arg(letter);
    }
    return problems;
}

QStringList orderNumbersShown(const Screenshot& shot) {
    QStringList problems;
    QSet<QByteArray> digits;
    for (int i = 0; i < 8; ++i) {
        const QRect spot = spotIn(CellAt[i]);
        QByteArray mask;
        for (int y = spot.top(); y <= spot.bottom(); ++y)
            for (int x = spot.left(); x <= spot.right(); ++x)
                mask += isBlackText(shot.at(x, y)) ? '#' : '.';
        const int black = int(mask.count('#'));
        if (black < 5)
            problems << QStringLiteral("cell %1: only %2 black pixels of its order number")
                            .arg(i)
                            .arg(black);
        digits.insert(mask);
    }
    if (problems.isEmpty() && digits.size() != 8)
        problems << QStringLiteral("the order numbers show only %1 different digits, not 8")
                        .arg(digits.size());
    return problems;
}

QStringList orderNumbersHidden(const Screenshot& shot) {
    QStringList problems;
    for (int i = 0; i < 8; ++i) {
        const int black = shot.count(spotIn(CellAt[i]), isBlackText);
        if (black > 0)
            problems << QStringLiteral("cell %1: %2 black pixels where its hidden order number is")
                            .arg(i)
                            .arg(black);
    }
    return problems;
}

QStringList ticked(const Screenshot& shot, const Screenshot& untickedLook) {
    const int changed = differingPixels(shot, untickedLook, indicator());
    const int dark = shot.count(indicator(), [](QRgb c) { return darkerThan(c, 110); });
    const int darkBefore =
        untickedLook.count(indicator(), [](QRgb c) { return darkerThan(c, 110); });
    if (changed < 6 || dark < darkBefore + 4)
        return {QStringLiteral(
                    "check box: no tick (%1 pixels changed, %2 dark pixels, %3 while unticked)")
                    .arg(changed)
                    .arg(dark)
                    .arg(darkBefore)};
    return {};
}

QStringList unticked(const Screenshot& shot, const Screenshot& untickedLook) {
    const int changed = differingPixels(shot, untickedLook, indicator());
    if (changed > 2)
        return {QStringLiteral("check box: %1 pixels differ from its unticked look").arg(changed)};
    return {};
}

QStringList errorBox(const Screenshot& shot, QRect box) {
    QStringList problems;
    const Screenshot screen(shot.screen(), QPoint(0, 0));
    const int red = screen.count(
        box, [](QRgb c) { return qRed(c) >= 150 && qGreen(c) <= 100 && qBlue(c) <= 100; });
    const int text = screen.count(box, [](QRgb c) { return darkerThan(c, 60); });
    if (red < 20)
        problems << QStringLiteral("message box: only %1 red pixels, no critical icon").arg(red);
    if (text < 200)
        problems << QStringLiteral("message box: only %1 dark pixels of text").arg(text);
    return problems;
}

QStringList startScreen(const Screenshot& shot) {
    return board(shot) + emptyCells(shot) + emptyWordList(shot) + countShown(shot) + buttons(shot);
}

} // namespace screen_checks
