// The desktop as Qt gives it: the message box, the busy pointer and the real
// wait, inside which other clicks run.

#include "core/tests/ScriptedRandom.h"
#include "ui/KringForm.h"
#include "ui/desktop/QtDesktop.h"
#include "ui/toolkit/ImageButton.h"
#include "ui/toolkit/ListBox.h"

#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void theMessageBoxShowsItsLinesAsPlainText() {
        kring::QtDesktop desktop;
        QWidget parent;
        QMessageBox* box = nullptr;
        QString text;
        QTimer::singleShot(0, [&] {
            box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box) {
                text = box->text();
                QCOMPARE(box->icon(), QMessageBox::Critical);
                QCOMPARE(box->textFormat(), Qt::PlainText);
                box->button(QMessageBox::Ok)->click();
            }
        });
        desktop.showCriticalMessage(&parent, "Error", "<b>een</b>\r\ntwee");
        QVERIFY(box);
        QCOMPARE(text, QStringLiteral("<b>een</b>\ntwee"));
    }

    // Busy twice and default once leaves the default pointer: no override.
    void busyPointer() {
        kring::QtDesktop desktop;
        for (const bool busy : {true, true, false, false}) {
            desktop.setBusyPointer(busy);
            const QCursor* shown = QApplication::overrideCursor();
            QCOMPARE(shown ? int(shown->shape()) : -1, busy ? int(Qt::WaitCursor) : -1);
        }
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
};

QTEST_MAIN(DesktopTest)
#include "DesktopTest.moc"
