#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A stand-in for the program's folder, with or without Data/Woorden.txt.
class AppFolder {
public:
    AppFolder() = default;
    explicit AppFolder(const QByteArray& words) { writeWords(words); }

    QString path() const { return dir_.path(); }

    void writeWords(const QByteArray& bytes) const {
        QDir(dir_.path()).mkpath(QStringLiteral("Data"));
        QFile file(dir_.filePath(QStringLiteral("Data/Woorden.txt")));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the test's word file");
    }

private:
    QTemporaryDir dir_;
};
