// The game on a real X server, played the way a player plays it: by clicking
// its buttons and looking at its window.

#include "ClientLayout.h"
#include "PrivateXServerMain.h"
#include "RunningGame.h"
#include "ScreenChecks.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cstdlib>

using namespace client_layout;

namespace {

// What the player may not change: the word file's bytes and its modification time.
std::pair<QByteArray, QDateTime> fingerprint(const QString& path) {
    QFile file(path);
    return {file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
            QFileInfo(path).lastModified()};
}

QString wordFilePath() {
    return QFileInfo(programPath()).dir().filePath(QStringLiteral("Data/Woorden.txt"));
}

} // namespace

class PlayerTest : public QObject {
    Q_OBJECT

private:
    // seeOnScreen with this test's picture names and time limit.
    bool see(const RunningGame& game, const QString& name,
             const std::function<QStringList(const Screenshot&)>& checks,
             Screenshot* seen = nullptr) {
        return seeOnScreen(game, QStringLiteral("player-") + name, checks, scaledTimeout(5000),
                           seen);
    }

private slots:
    void initTestCase() {
        QString error;
        QVERIFY2(programRunnable(&error), qPrintable(error));
        qInfo().noquote() << "X server" << qEnvironmentVariable("DISPLAY") << "; screenshots in"
                          << screenshotFolder();
    }

    void oneRound() {
        QVERIFY2(QFileInfo::exists(wordFilePath()),
                 qPrintable(QStringLiteral("no word file at %1").arg(wordFilePath())));
        const auto before = fingerprint(wordFilePath());

        RunningGame game(qEnvironmentVariable("DISPLAY"));
        QString error;
        QVERIFY2(game.start(programPath(), &error), qPrintable(error));
        QCOMPARE(game.clientSize(), clientSize);
        // Centred on the 1024 × 768 screen, give or take the frame no window
        // manager draws here.
        const QPoint offCentre = game.clientOrigin() + QPoint(306, 197) - QPoint(512, 384);
        QVERIFY2(std::abs(offCentre.x()) <= 16 && std::abs(offCentre.y()) <= 16,
                 "the window is not centred");
        Screenshot start;
        QVERIFY(see(game, QStringLiteral("0-start"), screen_checks::startScreen, &start));
        const Screenshot untickedLook = start;
        const QImage startCount = start.part(countLabel);

        // 1. Plaatsen with no words: the error box, and nothing else changes.
        QVERIFY(game.click(makeButton.center()));
        const std::optional<QString> box =
            game.waitForWindow(QStringLiteral("^Error$"), scaledTimeout(5000));
        QVERIFY2(box, "no message box titled \"Error\" after Plaatsen with no words");
        const std::optional<QRect> boxRect = game.geometry(*box);
        QVERIFY(boxRect);
        QVERIFY(see(game, QStringLiteral("1-error-box"),
                    [&](const Screenshot& s) { return screen_checks::errorBox(s, *boxRect); }));
        // The box has the keyboard focus; Return presses its one button, OK.
        game.xdotool().run({QStringLiteral("windowfocus"), *box});
        QVERIFY(game.xdotool()
                    .run({QStringLiteral("key"), QStringLiteral("--clearmodifiers"),
                          QStringLiteral("Return")})
                    .ok());
        QElapsedTimer closing;
        closing.start();
        while (game.findWindow(QStringLiteral("^Error$")) &&
               closing.elapsed() < scaledTimeout(5000))
            QTest::qWait(50);
        QVERIFY2(!game.findWindow(QStringLiteral("^Error$")),
                 "the message box did not close on Return");
        QVERIFY(see(game, QStringLiteral("1-error-closed"), [&](const Screenshot& s) {
            QStringList problems =
                screen_checks::startScreen(s) + screen_checks::unticked(s, untickedLook);
            if (s.part(countLabel) != startCount)
                problems << QStringLiteral("the count label changed");
            return problems;
        }));

        // 2. Load: the list fills and the count shows.
        QVERIFY(game.click(loadButton.center()));
        QVERIFY(see(game, QStringLiteral("2-loaded"), [&](const Screenshot& s) {
            QStringList problems = screen_checks::board(s) + screen_checks::emptyCells(s) +
                                   screen_checks::filledWordList(s) + screen_checks::countShown(s) +
                                   screen_checks::buttons(s);
            if (s.part(countLabel) == startCount)
                problems << QStringLiteral("the count label still shows what it showed at start");
            return problems;
        }));

        // 3. Plaatsen: a letter in every cell, the order numbers and the word hidden.
        QVERIFY(game.click(makeButton.center()));
        QVERIFY(see(game, QStringLiteral("3-puzzle"), [&](const Screenshot& s) {
            return screen_checks::board(s) + screen_checks::lettersInAllCells(s) +
                   screen_checks::orderNumbersHidden(s) + screen_checks::countHidden(s) +
                   screen_checks::filledWordList(s) + screen_checks::unticked(s, untickedLook);
        }));

        // 4. The check box: the order numbers and the word show.
        QVERIFY(game.click(checkBoxSpot));
        QVERIFY(see(game, QStringLiteral("4-solution"), [&](const Screenshot& s) {
            return screen_checks::board(s) + screen_checks::lettersInAllCells(s) +
                   screen_checks::orderNumbersShown(s) + screen_checks::countShown(s) +
                   screen_checks::ticked(s, untickedLook);
        }));

        // 5. Annuleren: the program ends, and ends well.
        QVERIFY(game.click(cancelButton.center()));
        QVERIFY2(game.waitForExit(scaledTimeout(5000)),
                 "Annuleren did not end the program within 5 s");
        QVERIFY2(game.exitStatus() == QProcess::NormalExit && game.exitCode() == 0,
                 qPrintable(QStringLiteral("the program ended with status %1:\n%2")
                                .arg(game.exitCode())
                                .arg(game.output())));

        QVERIFY2(fingerprint(wordFilePath()) == before, "the word file changed");
    }
};

int main(int argc, char** argv) {
    return runOnPrivateXServer<PlayerTest>(argc, argv);
}

#include "PlayerTest.moc"
