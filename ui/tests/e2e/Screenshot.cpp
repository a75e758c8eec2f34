#include "Screenshot.h"

#include <cstdlib>

QRgb Screenshot::at(QPoint client) const {
    const QPoint p = client + origin_;
    if (!screen_.rect().contains(p))
        return qRgb(0, 0, 0);
    return screen_.pixel(p) | 0xff000000u;
}

int Screenshot::count(QRect client, const std::function<bool(QRgb)>& test) const {
    int n = 0;
    for (int y = client.top(); y <= client.bottom(); ++y)
        for (int x = client.left(); x <= client.right(); ++x)
            if (test(at(x, y)))
                ++n;
    return n;
}

QImage Screenshot::part(QRect client) const {
    return screen_.copy(client.translated(origin_));
}

bool sameColour(QRgb a, QRgb b, int tolerance) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

bool darkerThan(QRgb c, int limit) {
    return qRed(c) <= limit && qGreen(c) <= limit && qBlue(c) <= limit;
}

bool lighterThan(QRgb c, int limit) {
    return qRed(c) >= limit && qGreen(c) >= limit && qBlue(c) >= limit;
}

QString describe(QRgb c) {
    return QStringLiteral("RGB(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}
