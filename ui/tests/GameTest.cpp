// Loading the words, making a puzzle and revealing it, as the player sees it.

#include "AppFolder.h"
#include "BoardLayout.h"
#include "FakeDesktop.h"
#include "GrabbedPixels.h"
#include "ShownGame.h"

#include "ui/ImageButton.h"
#include "ui/KringForm.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/QtDesktop.h"
#include "wordlist/WordFile.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include <set>

using namespace board;

namespace {

QRect Inside(int cell) {
    return CellRect(CellAt[cell]).adjusted(1, 1, -1, -1);
}
// Where the order number shows, clear of any letter.
QRect NumberSpot(int cell) {
    return {CellAt[cell] + QPoint(7, 5), QSize(6, 14)};
}

// Layout 1, which the random number 0 picks, lays letters 1..8 in these cells.
const int CellOfLetter[8] = {0, 4, 5, 1, 7, 3, 2, 6};

const QString NoWordsText = "Geen woord beschikbaar! Klik op de button 'Load'\r\n"
                            "om de database met 18.000 woorden in te laden.\r\n"
                            "Klik vervolgens op de button 'Plaatsen' om een\r\n"
                            "willekeurig woord te kiezen uit de woordenlijst.";

// A game whose folder holds a word file with these lines.
struct GameWithWords {
    explicit GameWithWords(const QByteArray& words, std::vector<float> randomNumbers = {0.0f})
        : folder(words), game(folder.path(), std::move(randomNumbers)) {}
    AppFolder folder;
    ShownGame game;
};

// Rows that run a test once with the solution hidden and once revealed.
void HiddenAndRevealed() {
    QTest::addColumn<bool>("revealed");
    QTest::newRow("hidden") << false;
    QTest::newRow("revealed") << true;
}

// Loads the word file and makes a puzzle, then ticks the check box if asked.
void LoadAndMake(ShownGame& g, bool revealed = false) {
    Click(g.form.LoadKnop);
    Click(g.form.MakeKnop);
    if (revealed)
        g.form.Check1->click();
}

// A big letter has solid strokes in exactly its colour.
bool CellShowsLetter(const QImage& screen, int cell) {
    return ShowsText(screen, Inside(cell), White, LetterGreen) &&
           CountColour(screen, Inside(cell), LetterGreen) > 200;
}

bool CellShowsFrameOnly(const QImage& screen, int cell) {
    return RingIsColour(screen, CellRect(CellAt[cell]), Black) &&
           AllColour(screen, Inside(cell), White);
}

QImage CellImage(const QImage& screen, int cell) {
    return screen.copy(CellRect(CellAt[cell]));
}

// The leftmost and rightmost columns that hold letter pixels.
std::pair<int, int> LetterColumns(const QImage& screen, int cell) {
    int first = 110, last = -1;
    const QRect area = CellRect(CellAt[cell]);
    for (int x = 0; x < 110; ++x)
        if (CountColour(screen, QRect(area.left() + x, area.top(), 1, 110), LetterGreen) > 0) {
            first = std::min(first, x);
            last = x;
        }
    return {first, last};
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    // --- Load ---

    void load_data() {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("count");
        QTest::newRow("no word file") << false << QByteArray() << 0;
        QTest::newRow("an empty file") << true << QByteArray() << 0;
        QTest::newRow("one word") << true << QByteArray("APPELTJE\r\n") << 1;
        QTest::newRow("a blank line counts") << true << QByteArray("AALSPEER\r\n\r\nAALSTAND") << 3;
    }
    void load() {
        QFETCH(bool, fileExists);
        QFETCH(QByteArray, bytes);
        QFETCH(int, count);
        AppFolder folder;
        if (fileExists)
            folder.writeWords(bytes);
        ShownGame g(folder.path());
        for (int round = 0; round < 2; ++round) { // loading twice gives the same, not the sum
            Click(g.form.LoadKnop);
            QCOMPARE(g.form.List1->listCount(), count);
            QCOMPARE(g.form.Label2->caption(), QString("%1 Woorden").arg(count));
        }
        QCOMPARE(g.desktop.log, QStringList({"busy", "default", "busy", "default"}));
        QVERIFY(ShowsText(Grab(g.form), g.form.Label2->geometry(), Beige, WordGrey));
    }

    void loadReplacesTheList() {
        AppFolder folder;
        folder.writeWords("AALSPEER\r\nAALSTAND\r\n");
        ShownGame g(folder.path());
        Click(g.form.LoadKnop);
        folder.writeWords("AAMBEELD");
        Click(g.form.LoadKnop);
        QCOMPARE(g.form.List1->listCount(), 1);
        QCOMPARE(g.form.List1->list(0), QStringLiteral("AAMBEELD"));
        // The player can select a word, never change it.
        const QRect first = g.form.List1->visualRect(g.form.List1->model()->index(0, 0));
        QTest::mouseClick(g.form.List1->viewport(), Qt::LeftButton, {}, first.center());
        QTest::mouseDClick(g.form.List1->viewport(), Qt::LeftButton, {}, first.center());
        QTest::keyClick(g.form.List1, Qt::Key_F2);
        QVERIFY(g.form.List1->findChildren<QLineEdit*>().isEmpty());
        QCOMPARE(g.form.List1->list(0), QStringLiteral("AAMBEELD"));
    }

    void loadAfterAMakeTakesTheLabelsColour_data() { HiddenAndRevealed(); }
    void loadAfterAMakeTakesTheLabelsColour() {
        QFETCH(bool, revealed);
        GameWithWords w("AALSPEER\r\nAALSTAND\r\n");
        ShownGame& g = w.game;
        LoadAndMake(g, revealed);
        const QImage board = Grab(g.form).copy(GreySquare);
        Click(g.form.LoadKnop);
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("2 Woorden"));
        const QImage screen = Grab(g.form);
        if (revealed)
            QVERIFY(ShowsText(screen, g.form.Label2->geometry(), Beige, WordGrey));
        else
            QVERIFY(AllColour(screen, g.form.Label2->geometry(), Beige));
        // The puzzle stays on the board.
        QCOMPARE(screen.copy(GreySquare), board);
    }

    // --- Make ---

    void makeWithNoWords_data() { HiddenAndRevealed(); }
    void makeWithNoWords() {
        QFETCH(bool, revealed);
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        LoadAndMake(g, revealed);
        // The word file goes; loading empties the list.
        QFile::remove(w.folder.path() + "/Data/Woorden.txt");
        Click(g.form.LoadKnop);
        const QImage before = Grab(g.form);
        const QString caption = g.form.Label2->caption();
        g.desktop.log.clear();

        Click(g.form.MakeKnop);
        QCOMPARE(g.desktop.log, QStringList({"message"}));
        QCOMPARE(g.desktop.messages.size(), 1);
        QCOMPARE(g.desktop.messages[0].title, QStringLiteral("Error"));
        QCOMPARE(g.desktop.messages[0].text, NoWordsText);
        // Nothing else changed: the board, the count, the reveal.
        QCOMPARE(Grab(g.form), before);
        QCOMPARE(g.form.Label2->caption(), caption);
        QCOMPARE(g.form.Check1->isChecked(), revealed);
    }

    void theMessageBox() {
        kring::QtDesktop desktop;
        QMessageBox::Icon icon{};
        QMessageBox::StandardButtons buttons;
        QString title, text;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            icon = box->icon();
            buttons = box->standardButtons();
            title = box->windowTitle();
            text = box->text();
            modal = box->isModal();
            box->button(QMessageBox::Ok)->click();
        });
        desktop.showCriticalMessage(nullptr, "Error", NoWordsText);
        QCOMPARE(icon, QMessageBox::Critical);
        QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(title, QStringLiteral("Error"));
        QVERIFY(modal);
        // Four lines as Qt breaks them.
        QCOMPARE(text.split('\n').size(), 4);
        QCOMPARE(text, QString(NoWordsText).replace("\r\n", "\n"));
    }

    void makeHidesTheSolution_data() { HiddenAndRevealed(); }
    void makeHidesTheSolution() {
        QFETCH(bool, revealed);
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        LoadAndMake(g, revealed);
        QSignalSpy reveal(g.form.Check1, &QCheckBox::stateChanged);
        Click(g.form.MakeKnop);
        // Make unticks a ticked box, which runs its handler once; a clear box is left alone.
        QCOMPARE(reveal.size(), revealed ? 1 : 0);
        QVERIFY(!g.form.Check1->isChecked());
        const QImage screen = Grab(g.form);
        QVERIFY(AllColour(screen, g.form.Label2->geometry(), Beige));
        for (int cell = 0; cell < 8; ++cell)
            QVERIFY(AllColour(screen, NumberSpot(cell), White));
    }

    void makeDrawsTheWord_data() {
        QTest::addColumn<QByteArray>("word");
        QTest::addColumn<QString>("cellTexts"); // letter k's text, "." for nothing
        QTest::newRow("eight letters") << QByteArray("AALSPEER") << "A A L S P E E R";
        QTest::newRow("nine with an IJ") << QByteArray("BIJZONDER") << "B IJ Z O N D E R";
        QTest::newRow("eight with an IJ") << QByteArray("WIJNHUIS") << "W IJ N H U I S .";
        QTest::newRow("shorter") << QByteArray("KAT") << "K A T . . . . .";
        QTest::newRow("longer") << QByteArray("ABCDEFGHIJKL") << "A B C D E F G H";
        QTest::newRow("accented, Windows-1252")
            << QByteArray("\xC9\xC9N") << "\u00C9 \u00C9 N . . . . .";
    }
    void makeDrawsTheWord() {
        QFETCH(QByteArray, word);
        QFETCH(QString, cellTexts);
        const QStringList texts = cellTexts.split(' ');
        GameWithWords w(word + "\r\n");
        ShownGame& g = w.game;
        LoadAndMake(g);
        // The word is kept whole, hidden.
        QCOMPARE(g.form.Label2->caption(), QString::fromLatin1(word));
        QImage screen = Grab(g.form);
        QVERIFY(AllColour(screen, g.form.Label2->geometry(), Beige));
        for (int k = 0; k < 8; ++k) {
            const int cell = CellOfLetter[k];
            const QString where = QString("letter %1 in cell %2").arg(k + 1).arg(cell);
            QVERIFY2(RingIsColour(screen, CellRect(CellAt[cell]), Black), qPrintable(where));
            if (texts[k] == ".")
                QVERIFY2(CellShowsFrameOnly(screen, cell), qPrintable(where));
            else
                QVERIFY2(CellShowsLetter(screen, cell), qPrintable(where));
            QCOMPARE(g.form.Label3[cell]->caption(), QString::number(k + 1));
            // The same letter looks the same in every cell, another letter not.
            for (int j = 0; j < k; ++j)
                QCOMPARE(CellImage(screen, CellOfLetter[j]) == CellImage(screen, cell),
                         texts[j] == texts[k]);
            if (texts[k] == "IJ") {
                const auto [first, last] = LetterColumns(screen, cell);
                QVERIFY2(first >= 20 && first <= 30 && last - first > 50, qPrintable(where));
            }
        }
        // Revealed: the order numbers in black, the whole word in grey.
        g.form.Check1->click();
        screen = Grab(g.form);
        for (int cell = 0; cell < 8; ++cell)
            QVERIFY(ShowsText(screen, NumberSpot(cell), White, Black));
        QVERIFY(ShowsText(screen, g.form.Label2->geometry(), Beige, WordGrey));
    }

    void everyMakeRedrawsAllCellsAndNeverTheCentre() {
        GameWithWords w("AALSPEER\r\n", {0.0f, 0.0f, 0.0f, 0.99f, 0.0f, 0.5f});
        ShownGame& g = w.game;
        const QImage centre = Grab(g.form).copy(CellRect(CentreAt));
        Click(g.form.LoadKnop);
        std::set<QString> layouts;
        for (int round = 0; round < 3; ++round) {
            Click(g.form.MakeKnop);
            // One word in the list: every make shows it, in a layout of its own.
            QCOMPARE(g.form.Label2->caption(), QStringLiteral("AALSPEER"));
            const QImage screen = Grab(g.form);
            QCOMPARE(screen.copy(CellRect(CentreAt)), centre);
            QString numbers;
            for (int cell = 0; cell < 8; ++cell) {
                QVERIFY(CellShowsLetter(screen, cell));
                numbers += g.form.Label3[cell]->caption();
            }
            layouts.insert(numbers);
        }
        QCOMPARE(layouts.size(), std::size_t(3));
    }

    // --- Reveal ---

    void revealBeforeAnyMake() {
        ShownGame g;
        g.form.Check1->click();
        QImage screen = Grab(g.form);
        // The start-up "0" in black in every corner; the count as it was.
        for (int cell = 0; cell < 8; ++cell)
            QVERIFY(ShowsText(screen, NumberSpot(cell), White, Black));
        QVERIFY(ShowsText(screen, g.form.Label2->geometry(), Beige, WordGrey));
        g.form.Check1->click();
        screen = Grab(g.form);
        // Unticking hides the count as well.
        QVERIFY(AllColour(screen, g.form.Label2->geometry(), Beige));
        for (int cell = 0; cell < 8; ++cell)
            QVERIFY(AllColour(screen, NumberSpot(cell), White));
    }

    void aGreyedValueReveals() {
        ShownGame g;
        g.form.Check1->setCheckState(Qt::PartiallyChecked);
        QVERIFY(ShowsText(Grab(g.form), NumberSpot(0), White, Black));
    }

    // --- Orders nested in a press's wait ---

    void makeDuringALoadsWait() {
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        g.desktop.onceDuringWait([&] { Click(g.form.MakeKnop); });
        Click(g.form.LoadKnop);
        // The make runs first, finds no words, and the load follows.
        QCOMPARE(g.desktop.log, QStringList({"message", "busy", "default"}));
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("1 Woorden"));
    }

    void loadDuringAMakesWait() {
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        g.desktop.onceDuringWait([&] { Click(g.form.LoadKnop); });
        Click(g.form.MakeKnop);
        // The make counts the words after its wait, so it finds the new list.
        QCOMPARE(g.desktop.log, QStringList({"busy", "default"}));
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("AALSPEER"));
        QVERIFY(CellShowsLetter(Grab(g.form), 0));
    }

    void revealDuringAMakesWait() {
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        Click(g.form.LoadKnop);
        bool revealedDuringWait = false;
        g.desktop.onceDuringWait([&] {
            g.form.Check1->click();
            revealedDuringWait = ShowsText(Grab(g.form), NumberSpot(0), White, Black);
        });
        Click(g.form.MakeKnop);
        QVERIFY(revealedDuringWait);
        QVERIFY(!g.form.Check1->isChecked());
        QVERIFY(AllColour(Grab(g.form), NumberSpot(0), White));
    }

    void theSameButtonDuringItsOwnWait() {
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        g.desktop.onceDuringWait([&] { Click(g.form.LoadKnop); });
        Click(g.form.LoadKnop);
        QCOMPARE(g.desktop.log, QStringList({"busy", "default", "busy", "default"}));
        QCOMPARE(g.form.LoadKnop->pos(), QPoint(540, 16));
    }

    void closeDuringAWaitEndsEverything_data() {
        QTest::addColumn<bool>("duringMake");
        QTest::addColumn<bool>("fromTheDesktop");
        QTest::newRow("Annuleren during a load") << false << false;
        QTest::newRow("close box during a load") << false << true;
        QTest::newRow("Annuleren during a make") << true << false;
        QTest::newRow("close box during a make") << true << true;
    }
    void closeDuringAWaitEndsEverything() {
        QFETCH(bool, duringMake);
        QFETCH(bool, fromTheDesktop);
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        g.desktop.onceDuringWait([&] {
            if (fromTheDesktop)
                g.form.close();
            else
                Click(g.form.CancelKnop);
        });
        kring::ImageButton* pressed = duringMake ? g.form.MakeKnop : g.form.LoadKnop;
        const QPoint at = pressed->pos();
        Click(pressed);
        // The waiting command never runs: no pointer, no words, no message;
        // its button is left alone on the closed window.
        QCOMPARE(g.desktop.log, QStringList({"end"}));
        QCOMPARE(pressed->pos(), at + QPoint(2, 2));
        QVERIFY(!g.form.isVisible());
        QCOMPARE(g.form.List1->listCount(), 0);
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("0 Woorden"));
    }

    void anOverflowStopsTheHandler() {
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        g.form.LoadKnop->setLeft(3.0e9f);
        Click(g.form.LoadKnop);
        QVERIFY(g.desktop.log.isEmpty());
        QCOMPARE(g.desktop.eventPasses, 0);
        QCOMPARE(g.form.List1->listCount(), 0);
        QCOMPARE(g.form.LoadKnop->left(), 3.0e9f);
    }

    // --- Every letter fits its cell ---

    void lettersFitInsideTheFrame_data() {
        QTest::addColumn<QString>("letter");
        std::set<char16_t> letters;
        kring::ReadWordFile(KRINGWOORD_SOURCE_DIR, "Woorden", [&](std::u16string_view line) {
            letters.insert(line.begin(), line.end());
            return true;
        });
        for (char16_t c : std::u16string(u"WMIJQ\u00C0\u00C1\u00C2\u00C4\u00C5\u00C7\u00C8\u00C9"
                                         u"\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF\u00D1\u00D2\u00D3"
                                         u"\u00D4\u00D6\u00D9\u00DA\u00DB\u00DC"))
            letters.insert(c);
        QVERIFY(letters.size() > 26);
        for (char16_t c : letters)
            QTest::newRow(QString(QChar(c)).toUtf8()) << QString(QChar(c));
        QTest::newRow("IJ") << QStringLiteral("IJ");
    }
    void lettersFitInsideTheFrame() {
        QFETCH(QString, letter);
        GameWithWords w(letter.repeated(8).toLatin1() + "\r\n");
        ShownGame& g = w.game;
        LoadAndMake(g);
        const QImage screen = Grab(g.form);
        for (int cell = 0; cell < 8; ++cell) {
            // The frame is whole and the letter stays clear of it.
            QVERIFY(RingIsColour(screen, CellRect(CellAt[cell]), Black));
            QVERIFY(RingIsColour(screen, Inside(cell), White));
            QVERIFY(CellShowsLetter(screen, cell));
        }
    }
};

QTEST_MAIN(GameTest)
#include "GameTest.moc"
