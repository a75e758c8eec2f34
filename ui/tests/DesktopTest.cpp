// The window on other desktops and for other players: the same pixels as the
// reference grabs on a light desktop, white cells on a dark one, one click for
// a double-click, the keyboard alone, and what screen readers are told.

#include "FakeDesktop.h"

#include "core/tests/ScriptedRandom.h"
#include "ui/ImageButton.h"
#include "ui/KringForm.h"
#include "ui/Label.h"
#include "ui/ListBox.h"
#include "ui/PictureBox.h"
#include "ui/QtDesktop.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

// The window shown, with the draws the reference grabs were made with.
struct Game {
    explicit Game(QString folder = {}) : desktop(std::move(folder)) {
        form.show();
        if (!QTest::qWaitForWindowActive(&form))
            qFatal("the window was never shown");
    }
    FakeDesktop desktop;
    kring::test::ScriptedRandom random{{0.0f, 0.3f}};
    kring::KringForm form{desktop, random};

    void makePuzzle() {
        form.List1->addItems({"WIJNGAARD", "KRINGWOORD"});
        form.MakeKnop_Click();
    }
    QImage grab() {
        QCoreApplication::processEvents();
        return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

QImage Reference(const QString& name) {
    return QImage(QFINDTESTDATA("reference/" + name + ".png"))
        .convertToFormat(QImage::Format_RGB32);
}

QString NameOf(QObject* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The names screen readers get for the board: the eight cells' texts, then
// their eight numbers, then the word label's.
QStringList BoardNames(kring::KringForm& form) {
    QStringList names;
    for (kring::PictureBox* cell : form.Pic)
        names << NameOf(cell);
    for (kring::Label* number : form.Label3)
        names << NameOf(number);
    return names << NameOf(form.Label2);
}

const QRect GreySquare(14, 16, 360, 360);

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void samePixelsAsBefore_data() {
        QTest::addColumn<int>("made"); // puzzles made before the grab
        QTest::addColumn<bool>("revealed");
        QTest::addColumn<bool>("dark"); // a dark desktop palette
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QRect>("compared");
        const QRect window(0, 0, 612, 394);
        QTest::newRow("start") << 0 << false << false << "start" << window;
        QTest::newRow("puzzle") << 1 << false << false << "puzzle" << window;
        QTest::newRow("reveal") << 1 << true << false << "reveal" << window;
        // The board alone: elsewhere the desktop's colours may show.
        QTest::newRow("dark start") << 0 << false << true << "start" << GreySquare;
        QTest::newRow("dark puzzle") << 1 << false << true << "puzzle" << GreySquare;
    }
    void samePixelsAsBefore() {
        QFETCH(int, made);
        QFETCH(bool, revealed);
        QFETCH(bool, dark);
        QFETCH(QString, reference);
        QFETCH(QRect, compared);
        const QPalette light = QApplication::palette();
        if (dark) {
            QPalette night = light;
            for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
                night.setColor(role, QColor(30, 30, 34));
            for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                night.setColor(role, QColor(230, 230, 230));
            QApplication::setPalette(night);
        }
        auto g = std::make_unique<Game>();
        QApplication::setPalette(light);
        if (made)
            g->makePuzzle();
        g->form.Check1->setChecked(revealed);
        QCOMPARE(g->grab().copy(compared), Reference(reference).copy(compared));
    }

    void doubleClickIsOneClick() {
        Game g;
        // Through the window, so Qt makes of it what it makes of a real one.
        QTest::mouseDClick(g.form.windowHandle(), Qt::LeftButton, {},
                           g.form.MakeKnop->geometry().center());
        QCOMPARE(g.desktop.log, QStringList{"message"});
    }

    void keyboardAlone() {
        const QTemporaryDir noWordFile;
        Game g(noWordFile.path());
        const QImage before = g.grab();
        for (int tabs = 0; !g.form.LoadKnop->hasFocus(); ++tabs) {
            QVERIFY(tabs < 5);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QRect load = g.form.LoadKnop->geometry();
        QVERIFY(g.grab().copy(load) != before.copy(load)); // the focus mark

        // Load finds no word file, so Plaatsen shows its message.
        QTest::keyClick(g.form.LoadKnop, Qt::Key_Space);
        QCOMPARE(g.desktop.log, (QStringList{"busy", "default"}));
        QTest::keyClick(&g.form, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&g.form, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(g.desktop.log, (QStringList{"busy", "default", "message", "end"}));
    }

    // With the real clock, the wait sleeps; a click that comes meanwhile still
    // runs inside it, and the button ends where it stood.
    void realWaitRunsAClickInside() {
        kring::QtDesktop desktop;
        kring::test::ScriptedRandom random{{0.0f}};
        kring::KringForm form(desktop, random);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.List1->addItems({"WIJNGAARD"});
        const QPoint at = form.MakeKnop->pos();
        QTimer::singleShot(50, form.MakeKnop,
                           [&] { QTest::mouseClick(form.MakeKnop, Qt::LeftButton); });
        QTest::mouseClick(form.MakeKnop, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(random.calls), "SNSNSNSN"); // two puzzles made
        QCOMPARE(form.MakeKnop->pos(), at);
    }

    void screenReadersGetNamesButNotTheAnswer() {
        Game g;
        struct Button {
            kring::ImageButton* button;
            QString name;
            QString description;
        };
        for (const Button& b : {Button{g.form.LoadKnop, "Load", "Woorden inladen (Ctrl+L)"},
                                Button{g.form.MakeKnop, "Plaatsen", "Maak Kringwoord (Ctrl+N, F2)"},
                                Button{g.form.CancelKnop, "Annuleren", "Sluiten (Ctrl+Q)"}}) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(b.button);
            QCOMPARE(button->role(), QAccessible::Button);
            QCOMPARE(button->text(QAccessible::Name), b.name);
            QCOMPARE(button->text(QAccessible::Description), b.description);
            QVERIFY(button->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        QCOMPARE(NameOf(g.form.List1), "Woorden");

        QStringList names(16, QString());
        QCOMPARE(BoardNames(g.form), names << "0 Woorden");

        g.makePuzzle(); // WIJNGAARD in layout 5
        const QStringList letters = {"R", "G", "W", "IJ", "A", "A", "D", "N"};
        QCOMPARE(BoardNames(g.form), letters + QStringList(9, QString()));

        g.form.Check1->setChecked(true);
        const QStringList numbers = {"7", "4", "1", "2", "6", "5", "8", "3"};
        QCOMPARE(BoardNames(g.form), letters + numbers + QStringList{"WIJNGAARD"});
    }
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
