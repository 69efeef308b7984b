// The Options window driven as a user would: where it opens, the frequency add,
// delete and modify flows with their messages, page changes, hints, Escape, and what
// saving gives back and does to the prediction's terminals and the settings file.

#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/RecordingPresenter.h"

#include "appstate/AppState.h"
#include "appstate/OptionsSave.h"
#include "settings/SettingsFile.h"
#include "settings/ui/OptionsDialog.h"
#include "widgets/EntryFields.h"
#include "widgets/HelpContext.h"
#include "widgets/UpDown.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Settings WithDefaultTerminal() {
    Settings settings = FactorySettings();
    settings.DefaultLatitudeText = "43 39";
    settings.DefaultLongitudeText = "79 23";
    settings.DefaultName = "VE3XYZ";
    DeriveSettings(settings);
    return settings;
}

struct OptionsWindow {
    explicit OptionsWindow(const Settings& settings, int lastPage = -1)
        : form(settings, lastPage, &status) {
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    template <typename T> T* find(const char* name) {
        T* child = form.findChild<T*>(name);
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    QPushButton* button(const char* name) { return find<QPushButton>(name); }
    QStringList rows(const char* list) {
        QStringList texts;
        auto* box = find<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i)
            texts << box->item(i)->text().trimmed();
        return texts;
    }
    void addFrequency(const QString& typed) {
        button("AddFreqBtn")->click();
        auto* edit = find<RealEdit>("NewFreqEdit");
        edit->setText(typed);
        button("NewFreqAddBtn")->click();
    }

    FakeStatusLine status;
    OptionsDialog form;
};

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void aGridLocatorFillsTheDefaultTerminal() {
        RecordingPresenter presenter;
        OptionsWindow window(FactorySettings(), OptionsDialog::TermPage);
        auto* locator = window.find<ValidatedEdit>("LocatorEdit");
        QTest::keyClicks(locator, "fn31pr");
        emit locator->editingFinished(); // as on leaving the field
        QCOMPARE(locator->text(), QString("FN31PR"));
        QCOMPARE(window.find<LatitudeEdit>("LatEdit")->text(), QString("41.73"));
        QCOMPARE(window.find<LongitudeEdit>("LonEdit")->text(), QString("72.71"));
        QCOMPARE(window.find<NameEdit>("NameEdit")->text(), QString("FN31PR"));
        // A name already given stays; a text that is no locator is refused.
        window.find<NameEdit>("NameEdit")->setText("Home");
        locator->setText("JN58");
        emit locator->editingFinished();
        QCOMPARE(window.find<NameEdit>("NameEdit")->text(), QString("Home"));
        QCOMPARE(window.find<LongitudeEdit>("LonEdit")->text(), QString("-11.00"));
        locator->setText("ZZ99");
        emit locator->editingFinished();
        QCOMPARE(presenter.lastText(), QString("You have not entered a valid grid locator"));
        QCOMPARE(window.form.settings().DefaultLongitudeText, std::string("-11.00"));
    }

    // At the first start a user who knows only the locator types it first; Tab then
    // goes down the page, through empty fields without a word, and a field with a
    // wrong text still keeps the focus with its message.
    void theLocatorFirstAndNoFocusTrap() {
        RecordingPresenter presenter;
        OptionsWindow window(FactorySettings(), OptionsDialog::TermPage);
        auto* locator = window.find<ValidatedEdit>("LocatorEdit");
        auto* lat = window.find<LatitudeEdit>("LatEdit");
        auto* lon = window.find<LongitudeEdit>("LonEdit");
        auto* name = window.find<NameEdit>("NameEdit");
        QVERIFY(locator->hasFocus());
        QTest::keyClick(locator, Qt::Key_Tab);
        QVERIFY(lat->hasFocus());
        QTest::keyClick(lat, Qt::Key_Tab);
        QVERIFY(lon->hasFocus());
        QTest::keyClick(lon, Qt::Key_Tab);
        QVERIFY(name->hasFocus());
        QVERIFY(presenter.messages.empty());
        // The layout's order, top to bottom, is the Tab order.
        QVERIFY(locator->y() < lat->y() && lat->y() < lon->y() && lon->y() < name->y());

        locator->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(locator, "jo31");
        QTest::keyClick(locator, Qt::Key_Tab);
        QCOMPARE(lat->text(), QString("51.50"));
        QCOMPARE(lon->text(), QString("-7.00"));
        QCOMPARE(name->text(), QString("JO31"));
        QVERIFY(lat->hasFocus());
        lat->setText("95");
        QTest::keyClick(lat, Qt::Key_Tab);
        QVERIFY(lat->hasFocus());
        QCOMPARE(presenter.messages.size(), std::size_t(1));
    }

    void opensOnThePageThatNeedsAttention() {
        {
            OptionsWindow window(FactorySettings(), OptionsDialog::PrefsPage);
            QCOMPARE(window.find<QTabWidget>("OptionsNotebook")->currentIndex(),
                     int(OptionsDialog::TermPage));
            QVERIFY(window.find<ValidatedEdit>("LocatorEdit")->hasFocus());
            QCOMPARE(HelpContextOf(QApplication::focusWidget()), 22);
        }
        {
            Settings settings = WithDefaultTerminal();
            settings.FrequencyCount = 0;
            OptionsWindow window(settings, OptionsDialog::PrefsPage);
            QCOMPARE(window.find<QTabWidget>("OptionsNotebook")->currentIndex(),
                     int(OptionsDialog::FFParamsPage));
            QVERIFY(window.button("AddFreqBtn")->hasFocus());
            QCOMPARE(window.button("DeleteFreqBtn")->text(), QString("Delete Frequency"));
            QVERIFY(!window.button("DeleteFreqBtn")->isEnabled());
        }
        {
            OptionsWindow window(WithDefaultTerminal(), OptionsDialog::ParamsPage);
            QCOMPARE(window.form.lastPage(), int(OptionsDialog::ParamsPage));
            QVERIFY(window.find<RealEdit>("MinRadAngleEdit")->hasFocus());
            QCOMPARE(window.status.hint, QString("Enter the minimum antenna radiation angle to be "
                                                 "used in calculating predictions"));
        }
        {
            OptionsWindow window(WithDefaultTerminal(), -1);
            QCOMPARE(window.find<QTabWidget>("OptionsNotebook")->currentIndex(),
                     int(OptionsDialog::TermPage));
            QCOMPARE(window.find<LatitudeEdit>("LatEdit")->text(), QString("43 39"));
        }
    }

    void addingFrequencies() {
        RecordingPresenter presenter;
        OptionsWindow window(WithDefaultTerminal(), OptionsDialog::FFParamsPage);
        QCOMPARE(window.rows("FreqListBox"), QStringList({"3.6", "7.1", "14.1", "21.2", "28.3"}));
        QCOMPARE(window.button("DeleteFreqBtn")->text(), QString("Delete 3.6 MHz"));

        // Add mode: the lists and the other buttons are locked, the add controls shown.
        window.button("AddFreqBtn")->click();
        QVERIFY(window.find<RealEdit>("NewFreqEdit")->isVisible());
        QVERIFY(window.find<RealEdit>("NewFreqEdit")->hasFocus());
        QVERIFY(!window.find<QListWidget>("FreqListBox")->isEnabled());
        QVERIFY(!window.button("SaveBtn")->isEnabled());
        QVERIFY(!window.button("CancelBtn")->isEnabled());
        QCOMPARE(window.status.hint, QString("Enter the new frequency"));
        window.find<RealEdit>("NewFreqEdit")->setText("7.1");
        window.button("NewFreqAddBtn")->click();
        QCOMPARE(presenter.lastText(), QString("7.1 MHz is a duplicate frequency"));
        QCOMPARE(presenter.alerts, 1);
        QVERIFY(window.find<RealEdit>("NewFreqEdit")->hasFocus());

        // 3 becomes " 3.0", first in the list, with the constant 0.0, both selected.
        window.find<RealEdit>("NewFreqEdit")->setText("3");
        window.button("NewFreqAddBtn")->click();
        QCOMPARE(window.find<QListWidget>("FreqListBox")->item(0)->text(), QString("  3.0"));
        QCOMPARE(window.rows("FudgeListBox").first(), QString("0.0"));
        QCOMPARE(window.find<QListWidget>("FreqListBox")->currentRow(), 0);
        QCOMPARE(window.find<QListWidget>("FudgeListBox")->currentRow(), 0);
        QVERIFY(!window.find<RealEdit>("NewFreqEdit")->isVisible());
        QVERIFY(window.button("AddFreqBtn")->hasFocus());

        // Out of range: the field's own message, nothing added.
        window.button("AddFreqBtn")->click();
        window.find<RealEdit>("NewFreqEdit")->setText("30.1");
        window.button("NewFreqAddBtn")->click();
        QCOMPARE(presenter.lastText(), QString("Please enter a value between 3 and 30."));
        // Escape in the field cancels the add, not the window.
        QTest::keyClick(window.find<RealEdit>("NewFreqEdit"), Qt::Key_Escape);
        QVERIFY(window.form.isVisible());
        QVERIFY(!window.find<RealEdit>("NewFreqEdit")->isVisible());
        QCOMPARE(window.rows("FreqListBox").size(), 6);
        // Enter in the field adds at the first press.
        window.button("AddFreqBtn")->click();
        QTest::keyClicks(window.find<RealEdit>("NewFreqEdit"), "12.5");
        QTest::keyClick(window.find<RealEdit>("NewFreqEdit"), Qt::Key_Return);
        QVERIFY(!window.find<RealEdit>("NewFreqEdit")->isVisible());
        QCOMPARE(window.rows("FreqListBox").size(), 7);
        window.button("DeleteFreqBtn")->click(); // 12.5 is selected: back to six
        QCOMPARE(window.rows("FreqListBox").size(), 6);

        // Up to ten: after the tenth the focus goes to Save and Add is disabled.
        for (const char* f : {"10.1", "18.1", "24.9", "5.3"})
            window.addFrequency(f);
        QCOMPARE(window.rows("FreqListBox"), QStringList({"3.0", "3.6", "5.3", "7.1", "10.1",
                                                          "14.1", "18.1", "21.2", "24.9", "28.3"}));
        QVERIFY(window.button("SaveBtn")->hasFocus());
        QVERIFY(!window.button("AddFreqBtn")->isEnabled());

        const Settings saved = window.form.settings();
        QCOMPARE(saved.FrequencyCount, 10);
        QCOMPARE(saved.Frequencies[0].FrequencyText, std::string("3.0"));
        QCOMPARE(saved.Frequencies[2].FrequencyText, std::string("5.3"));
        QCOMPARE(saved.Frequencies[2].ConstantText, std::string("0.0"));
    }

    void deletingFrequencies() {
        OptionsWindow window(WithDefaultTerminal(), OptionsDialog::FFParamsPage);
        auto* list = window.find<QListWidget>("FreqListBox");
        // Clicking a row of one list selects the same row of the other.
        list->setCurrentRow(4);
        QCOMPARE(window.find<QListWidget>("FudgeListBox")->currentRow(), 4);
        QCOMPARE(window.button("DeleteFreqBtn")->text(), QString("Delete 28.3 MHz"));
        window.button("DeleteFreqBtn")->click();
        QCOMPARE(list->currentRow(), 3);
        QCOMPARE(window.button("DeleteFreqBtn")->text(), QString("Delete 21.2 MHz"));
        list->setCurrentRow(1);
        window.button("DeleteFreqBtn")->click();
        QCOMPARE(window.rows("FreqListBox"), QStringList({"3.6", "14.1", "21.2"}));
        QCOMPARE(list->currentRow(), 1);
        while (list->count() > 0)
            window.button("DeleteFreqBtn")->click();
        QCOMPARE(window.button("DeleteFreqBtn")->text(), QString("Delete Frequency"));
        QVERIFY(!window.button("DeleteFreqBtn")->isEnabled());
        QVERIFY(!window.button("ModifyConstantBtn")->isEnabled());
        QCOMPARE(window.form.settings().FrequencyCount, 0);
        QCOMPARE(window.form.settings().Frequencies[0].FrequencyText, std::string());

        window.button("RestoreFactoryFAndFBtn")->click();
        QCOMPARE(window.rows("FreqListBox"), QStringList({"3.6", "7.1", "14.1", "21.2", "28.3"}));
        QVERIFY(window.button("DeleteFreqBtn")->isEnabled());
    }

    void modifyingAConstant() {
        RecordingPresenter presenter;
        OptionsWindow window(WithDefaultTerminal(), OptionsDialog::FFParamsPage);
        window.find<QListWidget>("FudgeListBox")->setCurrentRow(2);
        window.button("ModifyConstantBtn")->click();
        auto* edit = window.find<RealEdit>("ConstantEdit");
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->text(), QString("0.0"));
        edit->setText("-100");
        window.button("ModifyConstantModifyBtn")->click();
        QCOMPARE(presenter.lastText(), QString("Please enter a value between -99.9 and 100."));
        edit->setText("6");
        window.button("ModifyConstantModifyBtn")->click();
        QCOMPARE(window.rows("FudgeListBox").at(2), QString("6.0"));
        QVERIFY(window.find<QListWidget>("FudgeListBox")->hasFocus());
        QCOMPARE(window.form.settings().Frequencies[2].ConstantText, std::string("6.0"));
        // Typed characters do not move the lists.
        QTest::keyClicks(window.find<QListWidget>("FudgeListBox"), "2");
        QCOMPARE(window.find<QListWidget>("FudgeListBox")->currentRow(), 2);
    }

    void pageChangeRefusedFromABadNumber() {
        RecordingPresenter presenter;
        OptionsWindow window(WithDefaultTerminal(), OptionsDialog::ParamsPage);
        auto* bandwidth = window.find<IntegerEdit>("NoiseBWEdit");
        bandwidth->setFocus();
        bandwidth->setText("0");
        QTabBar* tabs = window.find<QTabWidget>("OptionsNotebook")->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(OptionsDialog::PrefsPage).center());
        QCOMPARE(window.find<QTabWidget>("OptionsNotebook")->currentIndex(),
                 int(OptionsDialog::ParamsPage));
        QCOMPARE(presenter.lastText(), QString("Please enter a value between 1 and 20000."));
        QVERIFY(bandwidth->hasFocus());

        bandwidth->setText("2500");
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(OptionsDialog::PrefsPage).center());
        QCOMPARE(window.find<QTabWidget>("OptionsNotebook")->currentIndex(),
                 int(OptionsDialog::PrefsPage));
        QCOMPARE(window.form.lastPage(), int(OptionsDialog::PrefsPage));
        // The focus goes to the selected solar index button (flux by factory).
        QVERIFY(window.find<QRadioButton>("SFRadioBtn")->hasFocus());
        QCOMPARE(window.status.hint,
                 QString("Select the solar index you expect to use most often"));
        QCOMPARE(HelpContextOf(QApplication::focusWidget()), 25);
        QCOMPARE(window.form.settings().NoiseBandwidthText, std::string("2500"));
    }

    void preferencesAndParametersReachTheSettings() {
        OptionsWindow window(WithDefaultTerminal(), OptionsDialog::PrefsPage);
        window.find<UpDown>("MinutesUpDown")->stepBy(2);
        QCOMPARE(window.find<WordEdit>("MinutesEdit")->text(), QString("5"));
        QVERIFY(window.find<WordEdit>("MinutesEdit")->hasFocus());
        window.find<WordEdit>("MinutesEdit")->setText("60");
        window.find<UpDown>("MinutesUpDown")->stepBy(1); // no wrap past 60
        QCOMPARE(window.find<WordEdit>("MinutesEdit")->text(), QString("60"));
        window.find<QRadioButton>("SSNRadioBtn")->setChecked(true);
        window.find<QRadioButton>("TimeDisplayRadioGroup1")->setChecked(true);
        window.find<QRadioButton>("SigDisplayRadioGroup1")->setChecked(true);
        window.find<QRadioButton>("FreqMapResRadioGroup1")->setChecked(true);
        window.find<QRadioButton>("NoiseEnvironmentRadioGroup3")->setChecked(true);
        window.find<QRadioButton>("SuppressionThresholdRadioGroup3")->setChecked(true);
        // Enter on the check box toggles it.
        auto* suppress = window.find<QCheckBox>("SuppressionCheckBox");
        QVERIFY(suppress->isChecked());
        suppress->setFocus();
        QTest::keyClick(suppress, Qt::Key_Return);
        QVERIFY(!suppress->isChecked());

        Settings s = window.form.settings();
        QCOMPARE(int(s.MapUpdateMinutes), 60);
        QVERIFY(s.SunspotPrimary && !s.UseUtc && s.ShowSnr && s.HighResFreqMap &&
                s.ShowZeroAvailability);
        QCOMPARE(s.NoiseEnvironment, 3);
        QCOMPARE(s.SuppressionThreshold, 3);

        window.button("RestoreFactoryPreferencesBtn")->click();
        window.button("RestoreFactoryPredParamsBtn")->click();
        s = window.form.settings();
        const Settings factory = FactorySettings();
        QCOMPARE(int(s.MapUpdateMinutes), int(factory.MapUpdateMinutes));
        QVERIFY(!s.SunspotPrimary && s.UseUtc && !s.ShowSnr && !s.HighResFreqMap &&
                !s.ShowZeroAvailability);
        QCOMPARE(s.NoiseEnvironment, factory.NoiseEnvironment);
        QCOMPARE(s.SuppressionThreshold, factory.SuppressionThreshold);
    }

    void escapeAndCancelGiveNothing() {
        OptionsWindow window(WithDefaultTerminal(), OptionsDialog::TermPage);
        window.find<NameEdit>("NameEdit")->setText("Changed");
        QTest::keyClick(window.find<NameEdit>("NameEdit"), Qt::Key_Escape);
        QVERIFY(!window.form.isVisible());
        QCOMPARE(window.form.result(), int(QDialog::Rejected));
    }

    void defaultTerminalIsTypedNameFirst() {
        RecordingPresenter presenter;
        OptionsWindow window(FactorySettings());
        QTest::keyClicks(window.find<NameEdit>("NameEdit"), "VE3XYZ Toronto");
        QTest::keyClick(window.find<NameEdit>("NameEdit"), Qt::Key_Tab);
        QVERIFY(window.find<LatitudeEdit>("LatEdit")->hasFocus());
        QTest::keyClicks(window.find<LatitudeEdit>("LatEdit"), "43 39n");
        QTest::keyClick(window.find<LatitudeEdit>("LatEdit"), Qt::Key_Return);
        QVERIFY(window.find<LongitudeEdit>("LonEdit")->hasFocus());
        QCOMPARE(window.find<LatitudeEdit>("LatEdit")->text(), QString("43 39 N"));
        QCOMPARE(window.status.hint,
                 QString("Enter as decimal degrees or deg min sec (west is +, east is -)"));
        QVERIFY(presenter.messages.empty());
    }

    void saveRefusesAHalfDefinedTerminal() {
        RecordingPresenter presenter;
        OptionsWindow window(FactorySettings(), OptionsDialog::TermPage);
        window.find<LatitudeEdit>("LatEdit")->setText("40 54 N");
        window.find<QTabWidget>("OptionsNotebook")->setCurrentIndex(OptionsDialog::PrefsPage);
        window.button("SaveBtn")->click();
        QVERIFY(window.form.isVisible());
        QCOMPARE(presenter.lastText(), QString("You have not entered a valid longitude."));
        QCOMPARE(window.find<QTabWidget>("OptionsNotebook")->currentIndex(),
                 int(OptionsDialog::TermPage));
        QVERIFY(window.find<LongitudeEdit>("LonEdit")->hasFocus());

        window.find<LongitudeEdit>("LonEdit")->setText("-16.37");
        window.find<NameEdit>("NameEdit")->setText("Vienna");
        window.button("SaveBtn")->click();
        QCOMPARE(window.form.result(), int(QDialog::Accepted));
        const Settings s = window.form.settings();
        QCOMPARE(s.DefaultLatitudeText, std::string("40 54 N"));
        QCOMPARE(s.DefaultLongitudeText, std::string("-16.37"));
        QCOMPARE(s.DefaultName, std::string("Vienna"));
    }

    // The name emptied, then another page picked with the mouse: Save still checks the
    // name, whatever page or field has the focus, and the terminal stays defined.
    void saveAfterATabClickRefusesAnEmptyName() {
        RecordingPresenter presenter;
        OptionsWindow window(WithDefaultTerminal(), OptionsDialog::TermPage);
        auto* name = window.find<NameEdit>("NameEdit");
        name->setFocus();
        name->clear();
        auto* notebook = window.find<QTabWidget>("OptionsNotebook");
        QTabBar* tabs = notebook->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {},
                          tabs->tabRect(OptionsDialog::PrefsPage).center());
        notebook->setCurrentIndex(OptionsDialog::PrefsPage);
        presenter.messages.clear();
        window.button("SaveBtn")->click();
        QVERIFY(window.form.isVisible());
        QVERIFY(!presenter.messages.empty());
        QCOMPARE(notebook->currentIndex(), int(OptionsDialog::TermPage));
        QVERIFY(name->hasFocus());
    }

    void savingUpdatesTheDefaultTerminalAndTheFile() {
        QTemporaryDir dir;
        AppState state;
        state.DataDirectory = dir.path().toStdString();
        state.UserSettings = WithDefaultTerminal();
        state.Prediction.TerminalA.Prefix = "DEFAULT";
        state.Prediction.TerminalB.Prefix = "DEFAULT";
        Settings edited = state.UserSettings;
        edited.DefaultLatitudeText = "48 12";
        edited.DefaultLongitudeText = "-16 22";
        edited.DefaultName = "OE1ABC";
        edited.UseUtc = false;
        QVERIFY(SaveOptions(state, edited, ClockReading{46000.0, 46000.0 + 1.0 / 24.0}));
        QCOMPARE(state.Prediction.TerminalA.Name, std::string("OE1ABC"));
        QVERIFY(qAbs(state.Prediction.TerminalA.LatitudeDeg - 48.2) < 1e-9);
        QVERIFY(qAbs(state.Prediction.TerminalA.LongitudeDeg + (16.0 + 22.0 / 60.0)) < 1e-9);
        QCOMPARE(state.Prediction.TerminalB.LatitudeText, std::string("48 12"));
        QCOMPARE(state.TimeZone.TimeZoneLabel, std::string("ULT"));
        const SettingsLoad load = LoadSettings(SettingsFilePath(state.DataDirectory));
        QCOMPARE(load.source, SettingsSource::File);
        QCOMPARE(load.settings.DefaultName, std::string("OE1ABC"));
        QVERIFY(load.settings.DefaultDefined);
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "TestOptionsDialog.moc"
