// The window on other desktops and for other players: white cells on a dark
// desktop, one click for a double-click, the keyboard alone, and what screen
// readers are told.

#include "GrabbedPixels.h"
#include "ShownGame.h"

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

// The window shown and active, so that it has the keyboard.
struct Game : ShownGame {
    explicit Game(QString folder = {}) : ShownGame(std::move(folder), {0.0f, 0.3f}) {
        if (!QTest::qWaitForWindowActive(&form))
            qFatal("the window never became active");
    }
    void makePuzzle() {
        form.List1->addItems({"WIJNGAARD", "KRINGWOORD"});
        form.MakeKnop_Click();
    }
};

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    // A dark desktop leaves the board as it is on a light one: white cells,
    // numbers hidden until the reveal.
    void aDarkDesktopLeavesTheBoardAlone() {
        const QPalette light = QApplication::palette();
        QPalette night = light;
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            night.setColor(role, QColor(30, 30, 34));
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            night.setColor(role, QColor(230, 230, 230));
        QApplication::setPalette(night);
        ShownGame g(KRINGWOORD_SOURCE_DIR, {15248.5f / 18000, 0.3f});
        QApplication::setPalette(light);
        const QRect board(14, 16, 360, 360);
        QCOMPARE(Grab(g.form).copy(board), Golden("start").copy(board));
        Click(g.form.LoadKnop);
        Click(g.form.MakeKnop);
        QCOMPARE(Grab(g.form).copy(board), Golden("puzzle").copy(board));
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
        const QImage before = Grab(g.form);
        for (int tabs = 0; !g.form.LoadKnop->hasFocus(); ++tabs) {
            QVERIFY(tabs < 5);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        const QRect load = g.form.LoadKnop->geometry();
        QVERIFY(Grab(g.form).copy(load) != before.copy(load)); // the focus mark

        // Load finds no word file, so Plaatsen shows its message.
        QTest::keyClick(g.form.LoadKnop, Qt::Key_Space);
        QTest::keyClick(g.form.LoadKnop, Qt::Key_Return);
        QCOMPARE(g.desktop.log, (QStringList{"busy", "default", "busy", "default"}));
        QTest::keyClick(&g.form, Qt::Key_N, Qt::ControlModifier);
        QTest::keyClick(&g.form, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(g.desktop.log, (QStringList{"busy", "default", "busy", "default", "message", "end"}));
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
