// The New Date and New Time dialogs: what they start with, OK refusing a bad entry
// and keeping the dialog open, and the texts they give back.

#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/RecordingPresenter.h"

#include "widgets/DateEdit.h"
#include "widgets/NewDateDialog.h"
#include "widgets/NewTimeDialog.h"
#include "widgets/TimeEdit.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class TestNewDateTimeDialogs : public QObject {
    Q_OBJECT
private slots:
    void newDate() {
        RecordingPresenter presenter;
        FakeStatusLine status;
        NewDateDialog form({DateOrder::MonthDayYear, '/'}, &status);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.windowTitle(), QString("New Date"));
        auto* edit = form.findChild<DateEdit*>("DateEdit");
        QCOMPARE(edit->text(), QString("__/__/__"));
        QCOMPARE(edit->cursorPosition(), 0);
        QVERIFY(edit->hasFocus());
        QCOMPARE(status.hint, QString("Enter date in MM/DD/YY format"));

        QTest::keyClicks(edit, "0230");
        QTest::keyClick(edit, Qt::Key_Return); // Enter presses OK
        QVERIFY(form.isVisible());
        QCOMPARE(presenter.lastText(), QString("Invalid date"));
        QVERIFY(edit->hasFocus());

        edit->setCursorPosition(0);
        QTest::keyClicks(edit, "061502");
        QCOMPARE(edit->text(), QString("06/15/02"));
        form.findChild<QPushButton*>("OKBtn")->click();
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.dateText(), QString("06/15/02"));
    }

    void leavingTheDateForCancelShowsNothing() {
        RecordingPresenter presenter;
        NewDateDialog form({DateOrder::DayMonthYear, '.'}, nullptr);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(form.findChild<DateEdit*>("DateEdit"), Qt::Key_Escape);
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(presenter.messages.empty());
    }

    void newTime() {
        RecordingPresenter presenter;
        NewTimeDialog form("ULT", nullptr);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QCOMPARE(form.windowTitle(), QString("New Time"));
        QCOMPARE(form.findChild<QLabel*>("Label1")->text(), QString("ULT"));
        auto* edit = form.findChild<TimeEdit*>("TimeEdit");
        QVERIFY(edit->text().isEmpty());
        QTest::keyClicks(edit, "1260");
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(form.isVisible());
        QCOMPARE(presenter.lastText(),
                 QString("Please enter a four-digit time between 0000 and 2359."));
        edit->clear();
        QTest::keyClicks(edit, "0930");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.timeText(), QString("0930"));
    }
};

QTEST_MAIN(TestNewDateTimeDialogs)
#include "TestNewDateTimeDialogs.moc"
