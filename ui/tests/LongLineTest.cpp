// Lines of any length: the list, the word and the label keep them whole, only
// their drawing stops where nothing more can show, and normal words look
// exactly as plain Qt draws them.

#include "AppFolder.h"
#include "BoardLayout.h"
#include "GrabbedPixels.h"
#include "ShownGame.h"

#include "ui/DrawnPrefix.h"
#include "ui/ImageButton.h"
#include "ui/KringForm.h"
#include "ui/Label.h"
#include "ui/ListBox.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QtTest>

namespace {

using namespace board;

const QRgb ListDark = qRgb(30, 0, 0);

// Windows-1252 bytes and the text they stand for, repeated to at least
// `bytes` bytes: capitals, an accented one, the euro sign, a blank and an LF
// without a CR, which stays in the line.
struct LongLine {
    explicit LongLine(qsizetype bytes) {
        const QByteArray piece("KRINGWOORD\xC9\x80 \nIJ");
        const QString text = QStringLiteral("KRINGWOORD\u00C9\u20AC \nIJ");
        while (encoded.size() < bytes) {
            encoded += piece;
            decoded += text;
        }
    }
    QByteArray encoded;
    QString decoded;
};

// The window with the label as plain Qt text drawing shows its caption,
// on what lies behind the label.
QImage WithPlainLabel(ShownGame& g) {
    kring::Label& label = *g.form.Label2;
    label.hide();
    QImage image = Grab(g.form);
    label.show();
    QPainter painter(&image);
    painter.setFont(label.font());
    painter.setPen(label.foreColor());
    painter.drawText(label.geometry(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     label.caption());
    return image;
}

// The window with the list drawn by Qt's own item delegate.
QImage WithPlainList(ShownGame& g) {
    QAbstractItemDelegate* own = g.form.List1->itemDelegate();
    QStyledItemDelegate plain;
    g.form.List1->setItemDelegate(&plain);
    QCoreApplication::processEvents(); // the items are laid out again
    const QImage image = Grab(g.form);
    g.form.List1->setItemDelegate(own);
    QCoreApplication::processEvents();
    return image;
}

} // namespace

class LongLineTest : public QObject {
    Q_OBJECT

private slots:
    void aLineOfMegabytesIsKeptWhole() {
        const LongLine line(6 * 1024 * 1024);
        AppFolder folder;
        folder.writeWords(line.encoded + "\r\n");
        ShownGame g(folder.path());

        Click(g.form.LoadKnop);
        QCOMPARE(g.form.List1->listCount(), 1);
        QVERIFY(g.form.List1->list(0) == line.decoded);
        QCOMPARE(g.form.Label2->caption(), QStringLiteral("1 Woorden"));
        const QModelIndex item = g.form.List1->model()->index(0, 0);
        QVERIFY(g.form.List1->sizeHintForIndex(item).width() <= kring::MaxDrawnWidth);
        // The line's start shows in light text on the dark list.
        const QWidget& viewport = *g.form.List1->viewport();
        const QImage list =
            Grab(g.form).copy(QRect(viewport.mapTo(&g.form, QPoint()), viewport.size()));
        QVERIFY(CountColour(list, list.rect(), ListDark) > list.width() * list.height() / 3);
        int light = 0;
        for (int y = 0; y < list.height(); ++y)
            for (int x = 0; x < list.width(); ++x)
                light += qGray(list.pixel(x, y)) > 200;
        QVERIFY(light > 100);

        Click(g.form.MakeKnop);
        QVERIFY(g.form.Label2->caption() == line.decoded);
        QVERIFY(g.form.Label2->width() <= kring::MaxDrawnWidth);
        g.form.Check1->click();
        const QImage screen = Grab(g.form);
        QVERIFY(ShowsText(screen, g.form.Label2->geometry().intersected(g.form.rect()), Beige,
                          WordGrey));

        // The board shows the first letters just as for a word of only those.
        AppFolder shortFolder;
        shortFolder.writeWords(line.encoded.first(16) + "\r\n");
        ShownGame reference(shortFolder.path());
        Click(reference.form.LoadKnop);
        Click(reference.form.MakeKnop);
        reference.form.Check1->click();
        QCOMPARE(screen.copy(GreySquare), Grab(reference.form).copy(GreySquare));
    }

    // The shipped words, loaded, picked, selected and scrolled to: every
    // pixel as plain Qt drawing shows them.
    void normalWordsLookAsPlainQtDrawsThem() {
        ShownGame g(KRINGWOORD_SOURCE_DIR, {0.37f, 0.0f});
        QCOMPARE(Grab(g.form), WithPlainLabel(g));
        Click(g.form.LoadKnop);
        QCOMPARE(g.form.List1->listCount(), 18000);
        QCOMPARE(Grab(g.form), WithPlainList(g));
        QCOMPARE(Grab(g.form), WithPlainLabel(g));

        Click(g.form.MakeKnop);
        g.form.Check1->click();
        QVERIFY(g.form.Label2->caption() == g.form.List1->list(6660));
        QCOMPARE(
            g.form.Label2->width(),
            qRound(
                QFontMetricsF(g.form.Label2->font()).horizontalAdvance(g.form.Label2->caption())));
        QCOMPARE(Grab(g.form), WithPlainLabel(g));

        kring::ListBox& list = *g.form.List1;
        list.setCurrentIndex(list.model()->index(3, 0));
        QCOMPARE(Grab(g.form), WithPlainList(g));
        list.setCurrentIndex(list.model()->index(6660, 0));
        list.scrollTo(list.currentIndex());
        QCOMPARE(Grab(g.form), WithPlainList(g));
        list.scrollToBottom();
        QCOMPARE(Grab(g.form), WithPlainList(g));
    }

    void drawnPrefix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("whole");
        QTest::newRow("a word") << QStringLiteral("AALSPEER") << true;
        QTest::newRow("a long line that fits") << QString(1000, QChar(u'.')) << true;
        QTest::newRow("capitals of a megabyte") << QString(1 << 20, QChar(u'W')) << false;
        QTest::newRow("nothing but zero-width spaces") << QString(1 << 20, QChar(0x200B)) << false;
    }
    void drawnPrefix() {
        QFETCH(QString, text);
        QFETCH(bool, whole);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        const QString drawn = kring::DrawnPrefix(text, font);
        QVERIFY(text.startsWith(drawn));
        if (whole) {
            QCOMPARE(drawn.size(), text.size());
            return;
        }
        QVERIFY(drawn.size() <= kring::MaxDrawnLength + 2);
        // Drawn to the end of what can show, unless the text is invisible.
        const qreal width = QFontMetricsF(font).horizontalAdvance(drawn);
        if (text.front() != QChar(0x200B))
            QVERIFY(width > kring::MaxDrawnWidth);
    }

    // A cut never parts a letter from its accent or a surrogate pair.
    void longestDrawnEndsAtACharacter_data() {
        QTest::addColumn<QString>("atTheCut");
        QTest::addColumn<qsizetype>("extra");
        QTest::newRow("a letter") << QStringLiteral("AB") << qsizetype(0);
        QTest::newRow("a combining accent") << QStringLiteral("E\u0301") << qsizetype(1);
        QTest::newRow("a surrogate pair") << QString::fromUcs4(U"\U0001F600") << qsizetype(1);
    }
    void longestDrawnEndsAtACharacter() {
        QFETCH(QString, atTheCut);
        QFETCH(qsizetype, extra);
        const QString text =
            QString(kring::MaxDrawnLength - 1, QChar(u'A')) + atTheCut + QString(1000, QChar(u'A'));
        QCOMPARE(kring::LongestDrawn(text).size(), kring::MaxDrawnLength + extra);
    }
};

QTEST_MAIN(LongLineTest)
#include "LongLineTest.moc"
