// The window for other players: one click for a double-click, the keyboard
// alone, and what screen readers are told.

#include "GrabbedPixels.h"
#include "ShownGame.h"

#include "ui/KringForm.h"
#include "ui/access/Announcement.h"
#include "ui/toolkit/Board.h"
#include "ui/toolkit/ImageButton.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/ListBox.h"
#include "ui/toolkit/PictureBox.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

#include <memory>

namespace {

QString NameOf(QObject* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// The names screen readers get for the board's cells, row by row, then the
// word label's.
QStringList BoardNames(kring::KringForm& form) {
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(form.Bord);
    QStringList names;
    for (int i = 0; i < board->childCount(); ++i)
        names << board->child(i)->text(QAccessible::Name);
    return names << NameOf(form.Label2);
}

// Row by row, what each cell tells followed by its place.
QStringList InPlace(QStringList cells) {
    for (int i = 0; i < cells.size(); ++i)
        cells[i] += QStringLiteral(", rij %1, kolom %2").arg(i / 3 + 1).arg(i % 3 + 1);
    return cells;
}

// What the notification for screen readers says while it shows.
QString Told(kring::KringForm& form) {
    QAccessibleInterface* melding = QAccessible::queryAccessibleInterface(form.Melding);
    return melding->role() == QAccessible::Notification && form.Melding->isVisible()
               ? melding->text(QAccessible::Name)
               : QString();
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

class AccessTest : public QObject {
    Q_OBJECT

private slots:
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
        QCOMPARE(g.desktop.log.mid(4), (QStringList{"message", "end"}));
    }

    void screenReadersGetNamesButNotTheAnswer() {
        Game g;
        const std::tuple<kring::ImageButton*, QString, QString> buttons[] = {
            {g.form.LoadKnop, "Load", "Woorden inladen (Ctrl+L)"},
            {g.form.MakeKnop, "Plaatsen", "Maak Kringwoord (Ctrl+N, F2)"},
            {g.form.CancelKnop, "Annuleren", "Sluiten (Ctrl+Q)"}};
        for (const auto& [control, name, description] : buttons) {
            QAccessibleInterface* button = QAccessible::queryAccessibleInterface(control);
            QCOMPARE(button->role(), QAccessible::Button);
            QCOMPARE(button->text(QAccessible::Name), name);
            QCOMPARE(button->text(QAccessible::Description), description);
            // The same words show as the tool tip under the mouse.
            QHelpEvent hover(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(control, &hover);
            QCOMPARE(QToolTip::text().trimmed(), description);
            QVERIFY(button->actionInterface()->actionNames().contains(
                QAccessibleActionInterface::pressAction()));
        }
        QCOMPARE(NameOf(g.form.List1), "Woorden");

        QCOMPARE(BoardNames(g.form),
                 InPlace({"leeg", "leeg", "leeg", "leeg", "paard", "leeg", "leeg", "leeg", "leeg"})
                     << "0 Woorden");
        // Ticked before any puzzle, the box has no solution to tell.
        g.form.Check1->setChecked(true);
        QVERIFY(!Told(g.form).contains("Oplossing"));
        g.form.Check1->setChecked(false);
        // Each cell has its place on the screen and can be read, not changed;
        // no cell lies beyond the table, and nothing is or can be selected.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(g.form.Bord);
        QVERIFY(!table->child(-1) && !table->child(table->childCount()));
        for (int i = 0; i < table->childCount(); ++i) {
            QAccessibleInterface* cell = table->child(i);
            QVERIFY(!cell->rect().isEmpty() && table->rect().contains(cell->rect()));
            QVERIFY(cell->window() == g.form.windowHandle() && cell->state().readOnly);
            QVERIFY(table->indexOfChild(cell) == i && cell->indexOfChild(table) == -1);
            QAccessibleTableCellInterface* one = cell->tableCellInterface();
            QVERIFY(one->rowExtent() == 1 && one->columnExtent() == 1 && !one->isSelected());
        }
        QCOMPARE(table->indexOfChild(table), -1);
        QAccessibleTableInterface* cells = table->tableInterface();
        QVERIFY(!cells->selectedCellCount() && !cells->selectedRowCount() &&
                !cells->selectedColumnCount());
        QVERIFY(!cells->selectRow(0) && !cells->selectColumn(0) && !cells->unselectRow(0) &&
                !cells->unselectColumn(0));

        g.makePuzzle(); // WIJNGAARD in layout 5
        QCOMPARE(BoardNames(g.form), InPlace({"R", "G", "W", "IJ", "paard", "A", "A", "D", "N"})
                                         << "");
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(g.form.List1);
        g.form.List1->setFocus();
        g.form.List1->setCurrentIndex(g.form.List1->model()->index(1, 0));
        QVERIFY(list->childCount() == 2 && !list->child(2) && !list->child(0)->state().focused);
        QAccessibleInterface* kept = list->child(1);
        QVERIFY(kept->state().focused && kept->text(QAccessible::Name) == "KRINGWOORD");
        QVERIFY(!Told(g.form).isEmpty() && !Told(g.form).contains("WIJNGAARD"));

        g.form.Check1->setChecked(true);
        QCOMPARE(BoardNames(g.form),
                 InPlace({"R, 7", "G, 4", "W, 1", "IJ, 2", "paard", "A, 6", "A, 5", "D, 8", "N, 3"})
                     << "WIJNGAARD");
        QCOMPARE(Told(g.form), "Oplossing: WIJNGAARD");
        g.makePuzzle();
        QVERIFY(Told(g.form).contains("verborgen") && !Told(g.form).contains("WIJNGAARD"));
        // Ticked with no puzzle made since Load, the box shows the count: no solution.
        Click(g.form.LoadKnop);
        g.form.Check1->setChecked(true);
        QVERIFY(!Told(g.form).contains("Oplossing"));

        // A screen reader that holds on to a word the list no longer has.
        g.form.List1->clear();
        QVERIFY(kept->state().invalid && kept->text(QAccessible::Name).isEmpty());
    }

    // The window is a frame, whose title screen readers read; a message box
    // stays an alert, which they read out as it opens.
    void theWindowIsAFrameAndAMessageAnAlert() {
        Game g;
        QCOMPARE(QAccessible::queryAccessibleInterface(&g.form)->role(), QAccessible::Window);
        QMessageBox box(QMessageBox::Warning, "Error", "Eerst laden", QMessageBox::Ok, &g.form);
        QCOMPARE(QAccessible::queryAccessibleInterface(&box)->role(), QAccessible::AlertMessage);
    }

    // Tab stops once on the board, after the list; the arrows move over its
    // cells, up to its edges, and a ring marks the cell only while it has focus.
    void theBoardIsOneTabStopWalkedWithTheArrows() {
        Game g;
        g.makePuzzle();
        const QRect board = g.form.Bord->geometry();
        g.form.List1->setFocus();
        const QImage unfocused = Grab(g.form);
        QTest::mouseClick(g.form.Pic[0], Qt::LeftButton);
        QVERIFY(g.form.List1->hasFocus());
        QTest::keyClick(g.form.List1, Qt::Key_Tab);
        QVERIFY(g.form.Bord->hasFocus());
        // The ring closes around the current cell on all four sides.
        const QImage focused = Grab(g.form);
        const QRect cell = g.form.Bord->cell(0)->geometry().translated(board.topLeft());
        for (const QRect& side : {QRect(cell.left(), cell.top() - 4, cell.width(), 4),
                                  QRect(cell.left(), cell.bottom() + 1, cell.width(), 4),
                                  QRect(cell.left() - 4, cell.top(), 4, cell.height()),
                                  QRect(cell.right() + 1, cell.top(), 4, cell.height())})
            QVERIFY(focused.copy(side) != unfocused.copy(side));

        const std::pair<Qt::Key, QString> steps[] = {
            {Qt::Key_Right, "G, rij 1, kolom 2"}, {Qt::Key_Right, "W, rij 1, kolom 3"},
            {Qt::Key_Right, "W, rij 1, kolom 3"}, {Qt::Key_Down, "A, rij 2, kolom 3"},
            {Qt::Key_Down, "N, rij 3, kolom 3"},  {Qt::Key_Down, "N, rij 3, kolom 3"},
            {Qt::Key_Left, "D, rij 3, kolom 2"},  {Qt::Key_Up, "paard, rij 2, kolom 2"},
            {Qt::Key_Left, "IJ, rij 2, kolom 1"}, {Qt::Key_Left, "IJ, rij 2, kolom 1"},
            {Qt::Key_Up, "R, rij 1, kolom 1"},    {Qt::Key_Up, "R, rij 1, kolom 1"}};
        QAccessibleInterface* cells = QAccessible::queryAccessibleInterface(g.form.Bord);
        for (const auto& [key, cell] : steps) {
            QTest::keyClick(g.form.Bord, key);
            QCOMPARE(cells->focusChild()->text(QAccessible::Name), cell);
            // The ring on the screen has followed: as the window draws it afresh.
            const QImage drawn = g.form.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(Grab(g.form).copy(board), drawn.copy(board));
        }

        QTest::keyClick(g.form.Bord, Qt::Key_Tab);
        QVERIFY(g.form.Check1->hasFocus());
        QCOMPARE(Grab(g.form).copy(board), unfocused.copy(board));
    }
};

QTEST_MAIN(AccessTest)
#include "AccessTest.moc"
