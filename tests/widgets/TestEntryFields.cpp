// The validated entry fields driven as a user would: typing, Enter, leaving with a
// good or a bad value, leaving toward Cancel, and the date field's mask editing.

#include "core/SystemDates.h"
#include "tests/widgets/RecordingPresenter.h"

#include "atlas/Atlas.h"
#include "widgets/AlertSound.h"
#include "widgets/EntryFields.h"

#include <QClipboard>

#include <QDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

/// A dialog with one field under test, a second field to move to, an OK button and a
/// Cancel button.
struct FieldWindow {
    explicit FieldWindow(ValidatedEdit* edit) : field(edit) {
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(field);
        next = new QLineEdit(&dialog);
        next->setObjectName("NextEdit");
        layout->addWidget(next);
        ok = new QPushButton("OK", &dialog);
        ok->setDefault(true);
        QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
        layout->addWidget(ok);
        cancel = new QPushButton("Cancel", &dialog);
        layout->addWidget(cancel);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        field->setFocus();
    }

    QDialog dialog;
    ValidatedEdit* field;
    QLineEdit* next;
    QPushButton* ok;
    QPushButton* cancel;
};

Atlas SmallAtlas() {
    return AtlasOf({MakeAtlasEntry("F", "48", "-2", "France"),
                    MakeAtlasEntry("VE3", "43 39", "79 23", "Toronto, Ontario"),
                    MakeAtlasEntry("W", "39 50", "98 35", "U.S.A.")});
}

} // namespace

class TestEntryFields : public QObject {
    Q_OBJECT
private slots:
    void dateFieldsReadTheLocaleAsTheCommandLineDoes() {
        // In C.UTF-8 the command line reads month/day/year: a date field must too, or a
        // table saved by the window is read with day and month swapped.
        const bool wasSet = qEnvironmentVariableIsSet("LC_ALL");
        const QByteArray old = qgetenv("LC_ALL");
        qputenv("LC_ALL", "C.UTF-8");
        DateEdit edit;
        const DateConventions cli = SystemDateConventions();
        if (wasSet)
            qputenv("LC_ALL", old);
        else
            qunsetenv("LC_ALL");
        QCOMPARE(int(edit.dateConventions().order), int(DateOrder::MonthDayYear));
        QCOMPARE(int(cli.order), int(DateOrder::MonthDayYear));
        QCOMPARE(edit.dateConventions().separator, cli.separator);
    }

    void latitudeFiltersAndRaisesCase() {
        RecordingPresenter presenter;
        FieldWindow window(new LatitudeEdit);
        QTest::keyClicks(window.field, "40e 5x4n");
        QCOMPARE(window.field->text(), QString("40 54N"));
        QTest::keyClick(window.field, Qt::Key_Tab);
        QCOMPARE(window.field->text(), QString("40 54 N"));
        QVERIFY(window.next->hasFocus());
        QVERIFY(presenter.messages.empty());
    }

    void leavingWithABadValueKeepsTheFocusAndSaysWhy() {
        RecordingPresenter presenter;
        FieldWindow window(new LatitudeEdit);
        QTest::keyClicks(window.field, "91");
        QTest::keyClick(window.field, Qt::Key_Tab);
        QVERIFY(window.field->hasFocus());
        QCOMPARE(presenter.messages.size(), size_t(1));
        QCOMPARE(presenter.messages[0].kind, MessageKind::Error);
        QCOMPARE(presenter.lastText(),
                 QString("Please enter a latitude between -90 and +90 degrees."));
        QCOMPARE(presenter.alerts, 1);

        // A syntax fault opens the syntax-error window instead.
        presenter.clear();
        window.field->setText("40 60");
        window.next->setFocus(Qt::TabFocusReason);
        QVERIFY(window.field->hasFocus());
        QCOMPARE(presenter.messages.size(), size_t(1));
        QCOMPARE(presenter.messages[0].kind, MessageKind::SyntaxError);
        QCOMPARE(presenter.syntaxLines.value(1), QString("Use: [+/-]deg [min [sec]] [N/S]"));
    }

    void leavingTowardCancelShowsNothing() {
        RecordingPresenter presenter;
        FieldWindow window(new LongitudeEdit);
        QTest::keyClicks(window.field, "999");
        window.cancel->setFocus(Qt::MouseFocusReason);
        QVERIFY(window.cancel->hasFocus());
        QVERIFY(presenter.messages.empty());

        // A button marked as the window's cancel button counts too, whatever it reads.
        window.cancel->setText("Close");
        ValidatedEdit::MarkAsCancelButton(window.cancel);
        window.field->setFocus();
        window.cancel->setFocus(Qt::TabFocusReason);
        QVERIFY(presenter.messages.empty());
        // Toward any other control the check runs.
        window.field->setFocus();
        window.ok->setFocus(Qt::MouseFocusReason);
        QVERIFY(window.field->hasFocus());
        QCOMPARE(presenter.lastText(),
                 QString("Please enter a longitude between -360 and +360 degrees."));
    }

    void enterMovesToTheNextControlUnlessTurnedOff() {
        RecordingPresenter presenter;
        FieldWindow window(new NameEdit);
        QTest::keyClicks(window.field, "Toronto");
        QTest::keyClick(window.field, Qt::Key_Return);
        QVERIFY(window.next->hasFocus());
        QVERIFY(window.dialog.isVisible());

        window.field->setFocus();
        window.field->setEnterToTab(false);
        QTest::keyClick(window.field, Qt::Key_Return);
        // Without Enter-to-Tab, Enter reaches the window's default button.
        QCOMPARE(window.dialog.result(), int(QDialog::Accepted));
    }

    void nameIsRequiredUnlessBlankAllowed() {
        RecordingPresenter presenter;
        NameEdit edit;
        edit.setText("   ");
        QVERIFY(!edit.Validate());
        QCOMPARE(presenter.lastText(), QString("A Name is required"));
        edit.setBlankAllowed(true);
        QVERIFY(edit.Validate());
        QCOMPARE(edit.maxChars(), 17);
    }

    // A name is stored in 17 bytes of UTF-8: typing stops where the stored name would
    // be cut, so a Cyrillic name keeps every letter the field shows.
    void nameFieldCountsBytes() {
        const struct {
            QString typed, kept;
        } rows[] = {
            {QStringLiteral("Toronto, Ontario, Canada"), QStringLiteral("Toronto, Ontario,")},
            {QString::fromUtf8("Москва Россия"), QString::fromUtf8("Москва Ро")}, // 17 bytes
            {QString::fromUtf8("Kraków Małopolska"), QString::fromUtf8("Kraków Małopols")},
        };
        for (const auto& row : rows) {
            RecordingPresenter presenter;
            FieldWindow window(new NameEdit);
            // Typed key by key (QTest::keyClicks takes Latin-1 only).
            for (const QChar c : row.typed) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                QApplication::sendEvent(window.field, &press);
            }
            QCOMPARE(window.field->text(), row.kept);
            QVERIFY(window.field->text().toUtf8().size() <= 17);
        }
    }

    void realFieldShowsItsRoundedValueOrSelectsTheRefusedText() {
        // The rounding and range rules themselves: tests/core/TestFieldChecks.cpp.
        RecordingPresenter presenter;
        RealEdit edit;
        edit.setPrecision(1);
        edit.setMinValue(3.0);
        edit.setMaxValue(30.0);
        edit.setText("2.96");
        QVERIFY(edit.Validate());
        QCOMPARE(edit.text(), QString("3.0"));
        edit.setText("30.05");
        QVERIFY(!edit.Validate());
        QCOMPARE(presenter.lastText(), QString("Please enter a value between 3 and 30."));
        QCOMPARE(edit.selectedText(), QString("30.05"));
    }

    void integerFieldsCheckTheirRange() {
        RecordingPresenter presenter;
        IntegerEdit edit;
        edit.setMinValue(1);
        edit.setMaxValue(20000);
        edit.setMaxChars(5);
        edit.setText("0");
        QVERIFY(!edit.Validate());
        QCOMPARE(presenter.lastText(), QString("Please enter a value between 1 and 20000."));
        edit.setText("2500");
        QVERIFY(edit.Validate());
        QCOMPARE(edit.text(), QString("2500"));
        edit.setRightJustify(true);
        QVERIFY(edit.Validate());
        QCOMPARE(edit.text(), QString(" 2500"));

        WordEdit word;
        QTest::keyClicks(&word, "-12a3");
        QCOMPARE(word.text(), QString("123"));
    }

    void timeFieldWantsFourDigits() {
        RecordingPresenter presenter;
        TimeEdit edit;
        QTest::keyClicks(&edit, "23:595");
        QCOMPARE(edit.text(), QString("2359"));
        QVERIFY(edit.Validate());
        for (const char* bad : {"2400", "1260", "123", ""}) {
            edit.setText(bad);
            QVERIFY2(!edit.Validate(), bad);
            QCOMPARE(presenter.lastText(),
                     QString("Please enter a four-digit time between 0000 and 2359."));
        }
        edit.setText("0000");
        QVERIFY(edit.Validate());
    }

    void solarAndKIndexFieldsRewriteTheirText() {
        RecordingPresenter presenter;
        SolarIndexEdit solar;
        QTest::keyClicks(&solar, "s150");
        QCOMPARE(solar.text(), QString("S150"));
        QVERIFY(solar.Validate());
        QCOMPARE(solar.text(), QString("S150.0"));
        solar.setText("150");
        solar.setSSNPrimary(true);
        QVERIFY(solar.Validate());
        QCOMPARE(solar.text(), QString("S150.0"));
        solar.setText("F59.9");
        QVERIFY(!solar.Validate());
        QCOMPARE(presenter.lastText(), QString("Solar flux must be between 60 and 410"));

        KIndexEdit k;
        k.setText("05");
        QVERIFY(k.Validate());
        QCOMPARE(k.text(), QString("5"));
        k.setText("");
        QVERIFY(k.Validate());
        k.setText("-2");
        QVERIFY(!k.Validate());
    }

    void prefixFieldLooksInTheAtlas() {
        RecordingPresenter presenter;
        const Atlas atlas = SmallAtlas();
        PrefixEdit edit;
        QTest::keyClicks(&edit, "ve3-x/12");
        QCOMPARE(edit.text(), QString("VE3X/1"));
        // A longer text set by the window stays whole and can be shortened by the user.
        edit.setText("DEFAULT");
        edit.setCursorPosition(7);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QString("DEFAUL"));
        QTest::keyClicks(&edit, "TX");
        QCOMPARE(edit.text(), QString("DEFAUL"));
        edit.setText("VE3X");
        edit.setMustFindInAtlas(true);
        edit.setCanBeLocator(true);
        edit.setAtlas(&atlas);
        for (const char* good : {"DEFAULT", "VE3", "FN31", "FN31PR"}) {
            edit.setText(good);
            QVERIFY2(edit.Validate(), good);
        }
        QVERIFY(presenter.messages.empty());
        edit.setText("VE3X");
        QVERIFY(!edit.Validate());
        QCOMPARE(presenter.lastText(),
                 QString("VE3X not found in atlas\nand not a valid grid locator"));
        edit.setCanBeLocator(false);
        edit.setText("FN31");
        QVERIFY(!edit.Validate());
        QCOMPARE(presenter.lastText(), QString("FN31 not found in atlas"));

        edit.setMustFindInAtlas(false);
        edit.setText("K7/");
        QVERIFY(!edit.Validate());
        QCOMPARE(presenter.lastText(), QString("You have not entered a valid prefix"));
    }

    void dateMaskEditing() {
        // The keys reach the mask rules (tests/core/TestFieldChecks.cpp has the rules).
        RecordingPresenter presenter;
        DateEdit edit;
        edit.setDateConventions({DateOrder::MonthDayYear, '/'});
        edit.setText("06/15/02");
        edit.setFocus();
        // Backspace just after a separator jumps over it and blanks the digit.
        edit.setCursorPosition(3);
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QString("0_/15/02"));
        QCOMPARE(edit.cursorPosition(), 1);
        // Typing overwrites and jumps over the separator.
        edit.setCursorPosition(0);
        QTest::keyClicks(&edit, "07");
        QCOMPARE(edit.text(), QString("07/15/02"));
        QCOMPARE(edit.cursorPosition(), 3);
        // Delete blanks the character after the caret and keeps the caret.
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QString("07/_5/02"));
        QCOMPARE(edit.cursorPosition(), 3);
        // A selection is blanked by typing before the new digit.
        edit.setSelection(0, 8);
        QTest::keyClicks(&edit, "1x");
        QCOMPARE(edit.text(), QString("1_/__/__"));

        QVERIFY(!edit.Validate());
        QCOMPARE(presenter.lastText(), QString("Invalid date"));
        edit.setText("02/29/00");
        QVERIFY(edit.Validate());
        edit.setText("02/29/45");
        QVERIFY(!edit.Validate());
    }

    void pastedTextIsFilteredLikeTyping() {
        RecordingPresenter presenter;
        QApplication::clipboard()->setText("4x0 5n");
        LatitudeEdit lat;
        QTest::keyClick(&lat, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(lat.text(), QString("40 5N"));
        // Pasting more than the field holds is refused as a whole.
        QApplication::clipboard()->setText("123456789012");
        QTest::keyClick(&lat, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(lat.text(), QString("40 5N"));
        // The date field keeps its mask: no paste at all.
        DateEdit date;
        date.setDateConventions({DateOrder::MonthDayYear, '/'});
        date.clearDate();
        QApplication::clipboard()->setText("1");
        QTest::keyClick(&date, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(date.text(), QString("__/__/__"));
    }

    void dateFieldFollowsTheConventions() {
        DateEdit edit;
        edit.setDateConventions({DateOrder::DayMonthYear, '.'});
        edit.clearDate();
        QCOMPARE(edit.text(), QString("__.__.__"));
        QCOMPARE(edit.cursorPosition(), 0);
        QTest::keyClicks(&edit, "150602");
        QCOMPARE(edit.text(), QString("15.06.02"));
        QVERIFY(edit.Validate());
    }

    // Tests run without an audio device: the alert must return, quietly, every time,
    // and a second alert cuts the first short instead of failing.
    void alertWithoutAudioDeviceIsQuiet() {
        for (int i = 0; i < 3; ++i)
            PlayAlertResource();
        QCoreApplication::processEvents();
    }
};

QTEST_MAIN(TestEntryFields)
#include "TestEntryFields.moc"
