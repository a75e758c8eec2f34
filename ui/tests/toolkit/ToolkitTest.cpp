// The controls on their own: a label that fits its caption, and how much of a
// long line is drawn.

#include "ui/toolkit/DrawnPrefix.h"
#include "ui/toolkit/Label.h"

#include <QtTest>

class ToolkitTest : public QObject {
    Q_OBJECT

private slots:
    void anAutoSizedLabelFitsItsCaptionInAnyFont() {
        kring::Label label(nullptr);
        label.setAutoSize(true);
        label.setCaption(QStringLiteral("0 Woorden"));
        const int width = label.width();
        label.setFont(QFont(QStringLiteral("Arial"), 30));
        QVERIFY(label.width() > 3 * width / 2);
    }

    void drawnPrefix_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("drawn"); // -1: cut just past the widest that shows
        const QString a(kring::MaxDrawnLength - 1, QChar(0x200B)); // zero-width spaces
        QTest::newRow("a long line that fits") << QString(1000, QChar(u'.')) << qsizetype(1000);
        QTest::newRow("capitals of a megabyte") << QString(1 << 20, QChar(u'W')) << qsizetype(-1);
        // The cut never parts a letter from its accent, nor a surrogate pair.
        QTest::newRow("a letter at the cut") << a + "AB" + a << kring::MaxDrawnLength;
        QTest::newRow("an accent at the cut") << a + "E\u0301" + a << kring::MaxDrawnLength + 1;
        QTest::newRow("a surrogate pair at the cut")
            << a + QString::fromUcs4(U"\U0001F600") + a << kring::MaxDrawnLength + 1;
    }
    void drawnPrefix() {
        QFETCH(QString, text);
        QFETCH(qsizetype, drawn);
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(11);
        const QString prefix = kring::DrawnPrefix(text, font);
        QVERIFY(text.startsWith(prefix));
        if (drawn >= 0) {
            QCOMPARE(prefix.size(), drawn);
        } else {
            QVERIFY(prefix.size() <= kring::MaxDrawnLength + 2);
            QVERIFY(QFontMetricsF(font).horizontalAdvance(prefix) > kring::MaxDrawnWidth);
        }
    }
};

QTEST_MAIN(ToolkitTest)
#include "ToolkitTest.moc"
