#include "ui/access/BoardSpeech.h"

namespace kring {

QString BoardCellSpeech(const QString& letter, const QString& number, bool centre, int row,
                        int column) {
    QString speech = centre             ? QStringLiteral("paard")
                     : letter.isEmpty() ? QStringLiteral("leeg")
                                        : letter;
    if (!centre && !number.isEmpty())
        speech += QStringLiteral(", ") + number;
    return speech + QStringLiteral(", rij %1, kolom %2").arg(row + 1).arg(column + 1);
}

} // namespace kring
