// Loading the words, making a puzzle and revealing it, also from hostile word
// files and folders.

#include "AppFolder.h"
#include "GrabbedPixels.h"
#include "ShownGame.h"

#include "ui/toolkit/DrawnPrefix.h"
#include "ui/toolkit/ImageButton.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/ListBox.h"

#include <QCheckBox>
#include <QtTest>

namespace {

// A game whose folder holds a word file with these bytes; none when null.
struct GameWithWords {
    explicit GameWithWords(const QByteArray& words, std::vector<float> randomNumbers = {0.0f})
        : game(folder.path(), std::move(randomNumbers)) {
        if (!words.isNull())
            folder.writeWords(words);
    }
    AppFolder folder;
    ShownGame game;
};

QStringList Entries(const kring::ListBox& list) {
    QStringList entries;
    for (int i = 0; i < list.listCount(); ++i)
        entries << list.list(i);
    return entries;
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT

private slots:
    void load_data() {
        QTest::addColumn<QByteArray>("words");
        QTest::addColumn<qint64>("sparseTo");
        QTest::addColumn<QStringList>("entries");
        const QByteArray words("AAP\r\n NOOT\r\n");
        QTest::newRow("two words") << words << qint64(0) << QStringList{"AAP", " NOOT"};
        QTest::newRow("no word file") << QByteArray() << qint64(0) << QStringList{};
        // Past 64 MiB nothing is read; the lines before stay.
        QTest::newRow("lines, then gigabytes without a line end")
            << words << (qint64(4) << 30) << QStringList{"AAP", " NOOT"};
    }
    void load() {
        QFETCH(QByteArray, words);
        QFETCH(qint64, sparseTo);
        QFETCH(QStringList, entries);
        GameWithWords w(words);
        if (sparseTo > 0)
            QVERIFY(QFile::resize(w.folder.path() + "/Data/Woorden.txt", sparseTo));
        ShownGame& g = w.game;
        g.form.List1->addItems({"OUD"});
        for (int load = 0; load < 2; ++load) {
            Click(g.form.LoadKnop);
            QCOMPARE(Entries(*g.form.List1), entries);
            QCOMPARE(g.form.Label2->caption(), QString("%1 Woorden").arg(entries.size()));
        }
        QCOMPARE(g.desktop.log, QStringList({"busy", "default", "busy", "default"}));
    }

    void makeWithNoWordsOnlyShowsAMessage() {
        ShownGame g;
        g.form.Check1->click();
        const QImage before = Grab(g.form);
        Click(g.form.MakeKnop);
        QCOMPARE(g.desktop.log, QStringList({"message"}));
        QCOMPARE(g.desktop.messages[0].title, QStringLiteral("Error"));
        QCOMPARE(g.desktop.messages[0].text.split("\r\n").size(), 4);
        QCOMPARE(Grab(g.form), before);
    }

    // Each handler runs whole inside the wait of the press before it; each
    // button dips from where it stands and comes back there.
    void clicksDuringAWait_data() {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("caption");
        QTest::newRow("make during a load")
            << "LoadKnop"
            << "MakeKnop" << QStringList{"message", "busy", "default"} << "1 Woorden";
        QTest::newRow("load during a make")
            << "MakeKnop"
            << "LoadKnop" << QStringList{"busy", "default"} << "AALSPEER";
        QTest::newRow("load during a load")
            << "LoadKnop"
            << "LoadKnop" << QStringList{"busy", "default", "busy", "default"} << "1 Woorden";
    }
    void clicksDuringAWait() {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QStringList, log);
        QFETCH(QString, caption);
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        auto* const outer = g.form.findChild<kring::ImageButton*>(first);
        auto* const inner = g.form.findChild<kring::ImageButton*>(second);
        const QPoint outerHome = outer->pos(), innerHome = inner->pos();
        QPoint outerAt, innerAt;
        g.desktop.onceDuringWait([&] {
            g.desktop.onceDuringWait([&] {
                outerAt = outer->pos();
                innerAt = inner->pos();
            });
            Click(inner);
        });
        Click(outer);
        QCOMPARE(g.desktop.log, log);
        QCOMPARE(g.form.Label2->caption(), caption);
        const QPoint dip = outer == inner ? QPoint(4, 4) : QPoint(2, 2);
        QCOMPARE(outerAt, outerHome + dip);
        QCOMPARE(innerAt, innerHome + dip);
        QCOMPARE(outer->pos(), outerHome);
        QCOMPARE(inner->pos(), innerHome);
    }

    // Annuleren, or the window's close box, ends the program at once, also
    // while a command waits: that command then never runs.
    void closingEndsEverything_data() {
        QTest::addColumn<QString>("waiting");
        QTest::addColumn<bool>("closeBox");
        for (const char* waiting : {"", "LoadKnop", "MakeKnop"}) {
            QTest::addRow("Annuleren, %s", waiting) << waiting << false;
            QTest::addRow("close box, %s", waiting) << waiting << true;
        }
    }
    void closingEndsEverything() {
        QFETCH(QString, waiting);
        QFETCH(bool, closeBox);
        GameWithWords w("AALSPEER\r\n");
        ShownGame& g = w.game;
        const auto close = [&] {
            if (closeBox)
                g.form.close();
            else
                Click(g.form.CancelKnop);
        };
        QPoint annulerenAt;
        if (waiting.isEmpty()) {
            g.desktop.onceDuringWait([&] { annulerenAt = g.form.CancelKnop->pos(); });
            close();
        } else {
            g.desktop.onceDuringWait(close);
            Click(g.form.findChild<kring::ImageButton*>(waiting));
        }
        // Annuleren dips first; the close box ends at once.
        QCOMPARE(annulerenAt, !closeBox && waiting.isEmpty() ? QPoint(532, 354) : QPoint());
        QCOMPARE(g.desktop.log, QStringList({"end"}));
        QVERIFY(!g.form.isVisible());
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("0 Woorden"));
    }

    // A line of megabytes is kept whole, but drawn only as far as it shows.
    void aLineOfMegabytesIsKeptWhole() {
        const QByteArray line(6 << 20, 'W');
        GameWithWords w(line);
        ShownGame& g = w.game;
        Click(g.form.LoadKnop);
        Click(g.form.MakeKnop);
        g.form.Check1->click();
        QCOMPARE(g.form.List1->list(0).size(), line.size());
        // The word below the list shares the list's text.
        QCOMPARE(g.form.Label2->caption().constData(), g.form.List1->list(0).constData());
        QVERIFY(g.form.Label2->width() <= kring::MaxDrawnWidth);
        QVERIFY(g.form.List1->sizeHintForIndex(g.form.List1->model()->index(0, 0)).width() <=
                kring::MaxDrawnWidth);
        const QImage screen = Grab(g.form);
        const QRect shown = g.form.Label2->geometry().intersected(g.form.rect());
        QVERIFY(CountColour(screen, shown, qRgb(210, 210, 180)) <
                shown.width() * shown.height() * 3 / 4);
        QVERIFY(CountColour(screen, g.form.List1->geometry(), qRgb(230, 230, 230)) > 100);
    }
};

QTEST_MAIN(GameTest)
#include "GameTest.moc"
