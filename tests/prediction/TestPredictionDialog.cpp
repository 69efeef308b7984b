// The prediction dialog: how the terminals are filled, what Enter, Insert, F7 and
// F9 do, which buttons are live, and what OK refuses and accepts.

#include "prediction/PredictionDialog.h"

#include "atlas/CountryFile.h"
#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/EntryFields.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <memory>

using namespace predictiontest;

class TestPredictionDialog : public QObject {
    Q_OBJECT

private:
    Atlas m_atlas = BuiltInTestAtlas();
    FakeStatusLine m_status;
    CountryFileLoad m_countries = [] {
        CountryFileLoad load;
        load.file = ParseCountryFile("Fed. Rep. of Germany: 14: 28: EU: 51.00: -10.00: -1.0: DL:\n"
                                     "    DA,DL;\n"
                                     "Australia: 30: 59: OC: -23.70: -132.33: -10.0: VK:\n"
                                     "    VK;\n",
                                     "cty.dat")
                        .file;
        return load;
    }();

    std::unique_ptr<PredictionDialog> open(bool withDefault, PredictionInputs previous = {},
                                           const CountryFileLoad* countries = nullptr) {
        PredictionDialogInput input;
        input.settings = TestSettings(withDefault);
        if (withDefault && previous.terminalA.Prefix.empty())
            previous.terminalA = DefaultTerminal(input.settings);
        previous.date = DateFromCalendar(2026, 12, 8);
        if (previous.solarIndexText.empty())
            previous.solarIndexText = "F150.0";
        input.previous = previous;
        input.atlas = &m_atlas;
        input.dates = UsDates();
        input.countries = countries;
        auto dialog = std::make_unique<PredictionDialog>(input, &m_status);
        dialog->setAtlasPicker([](QWidget*) { return std::optional<std::string>("VE3"); });
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("dialog not active");
        return dialog;
    }

    template <typename T> static T* field(QWidget* dialog, const char* name) {
        T* child = dialog->findChild<T*>(QString::fromLatin1(name));
        if (!child)
            qFatal("no control %s", name);
        return child;
    }
    static QString text(QWidget* dialog, const char* name) {
        return field<QLineEdit>(dialog, name)->text();
    }

private slots:
    void defaultTerminalAtStartUp() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        QCOMPARE(text(dialog.get(), "APfxEdit"), QStringLiteral("DEFAULT"));
        QCOMPARE(text(dialog.get(), "ALatEdit"), QStringLiteral("41.71"));
        QCOMPARE(text(dialog.get(), "ANameEdit"), QStringLiteral("W1AW"));
        QVERIFY(!field<QLineEdit>(dialog.get(), "ALatEdit")->isEnabled());
        QCOMPARE(text(dialog.get(), "BPfxEdit"), QString());
        QCOMPARE(text(dialog.get(), "DateEdit"), QStringLiteral("12/08/26"));
        QVERIFY(field<QLineEdit>(dialog.get(), "APfxEdit")->hasFocus());
        QCOMPARE(m_status.hint,
                 QStringLiteral("Enter the prefix of the atlas entry (or a grid locator), or press "
                                "one of the terminal buttons"));
    }

    void terminalBEqualToAIsClearedOnOpening() {
        RecordingPresenter presenter;
        PredictionInputs previous;
        previous.terminalA = DefaultTerminal(TestSettings(true));
        previous.terminalB = previous.terminalA;
        previous.terminalB.Prefix = "<Ins>";
        auto dialog = open(true, previous);
        QCOMPARE(text(dialog.get(), "BPfxEdit"), QString());
        QCOMPARE(text(dialog.get(), "BLatEdit"), QString());
    }

    void noDefaultTerminalStartsEmptyWithoutDefaultButtons() {
        RecordingPresenter presenter;
        auto dialog = open(false);
        QCOMPARE(text(dialog.get(), "APfxEdit"), QString());
        QVERIFY(!field<QPushButton>(dialog.get(), "ADefaultBtn")->isEnabled());
        QVERIFY(field<QPushButton>(dialog.get(), "AManualBtn")->isEnabled());
    }

    void groupButtonsFollowTheFocus() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        QVERIFY(field<QPushButton>(dialog.get(), "ADefaultBtn")->isEnabled());
        QVERIFY(field<QPushButton>(dialog.get(), "ASelectBtn")->isEnabled());
        QVERIFY(!field<QPushButton>(dialog.get(), "BManualBtn")->isEnabled());
        field<QLineEdit>(dialog.get(), "BPfxEdit")->setFocus();
        QVERIFY(!field<QPushButton>(dialog.get(), "AManualBtn")->isEnabled());
        QVERIFY(field<QPushButton>(dialog.get(), "BManualBtn")->isEnabled());
        QVERIFY(field<QPushButton>(dialog.get(), "BDefaultBtn")->isEnabled());
        field<QLineEdit>(dialog.get(), "DateEdit")->setFocus();
        QVERIFY(!field<QPushButton>(dialog.get(), "BManualBtn")->isEnabled());
        QVERIFY(presenter.messages.empty());
    }

    void gridLocatorFillsTerminalB() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("fn31"));
        QCOMPARE(b->text(), QStringLiteral("FN31"));
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(text(dialog.get(), "BLatEdit"), QStringLiteral("41.50"));
        QCOMPARE(text(dialog.get(), "BLonEdit"), QStringLiteral("73.00"));
        QCOMPARE(text(dialog.get(), "BNameEdit"), QString());
        for (const char* name : {"BLatEdit", "BLonEdit", "BNameEdit"})
            QVERIFY(!field<QLineEdit>(dialog.get(), name)->isEnabled());
        QVERIFY(field<QLineEdit>(dialog.get(), "DateEdit")->hasFocus());
        QVERIFY(presenter.messages.empty());
        // The locator names terminal B in the prediction (Path Information, map titles).
        field<QLineEdit>(dialog.get(), "SolarIndexEdit")->setText(QStringLiteral("S100"));
        field<QPushButton>(dialog.get(), "OKBtn")->click();
        QVERIFY2(presenter.messages.empty(), qPrintable(presenter.lastText()));
        QCOMPARE(QString::fromStdString(dialog->request().TerminalB.Name), QStringLiteral("FN31"));
    }

    void atlasPrefixAndAtlasSearchFillTheGroup() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("ZS"));
        field<QLineEdit>(dialog.get(), "DateEdit")->setFocus();
        QCOMPARE(text(dialog.get(), "BNameEdit"), QStringLiteral("South Africa"));

        // F8 opens the atlas search (here answering VE3) and moves on to the date.
        b->setFocus();
        QTest::keyClick(b, Qt::Key_F8);
        QCOMPARE(b->text(), QStringLiteral("VE3"));
        QCOMPARE(text(dialog.get(), "BLatEdit"),
                 QString::fromStdString(FindAtlasEntry(m_atlas, "VE3")->Latitude()));
        QVERIFY(field<QLineEdit>(dialog.get(), "DateEdit")->hasFocus());
    }

    // A callsign the atlas lacks is placed by its country, and the group says so.
    void callsignFilledFromTheCountryFile() {
        RecordingPresenter presenter;
        auto dialog = open(true, {}, &m_countries);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        auto* match = field<QLabel>(dialog.get(), "BMatchLabel");
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("dl1abc"));
        QTest::keyClick(b, Qt::Key_Return);
        QVERIFY2(presenter.messages.empty(), qPrintable(presenter.lastText()));
        QCOMPARE(text(dialog.get(), "BLatEdit"), QStringLiteral("51.00"));
        QCOMPARE(text(dialog.get(), "BLonEdit"), QStringLiteral("-10.00"));
        QCOMPARE(text(dialog.get(), "BNameEdit"), QStringLiteral("DL1ABC"));
        QCOMPARE(match->text(), QString::fromUtf8("DL1ABC → Fed. Rep. of Germany (DL)"));
        // Longer than the record's prefix: the call stays in the field and names the place.
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("VK2XYZ/P"));
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(b->text(), QStringLiteral("VK2XYZ/P"));
        QCOMPARE(text(dialog.get(), "BNameEdit"), QStringLiteral("VK2XYZ/P"));
        QCOMPARE(match->text(), QString::fromUtf8("VK2XYZ/P → Australia (VK)"));
        field<QLineEdit>(dialog.get(), "SolarIndexEdit")->setText(QStringLiteral("S100"));
        field<QPushButton>(dialog.get(), "OKBtn")->click();
        QVERIFY2(presenter.messages.empty(), qPrintable(presenter.lastText()));
        QCOMPARE(QString::fromStdString(dialog->request().TerminalB.Name),
                 QStringLiteral("VK2XYZ/P"));
        // Typing over the prefix clears what the label said.
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("Q"));
        QCOMPARE(match->text(), QString());
    }

    void unknownPrefixKeepsTheFocus() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("QQ9"));
        QTest::keyClick(b, Qt::Key_Return);
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QVERIFY(presenter.lastText().startsWith(QStringLiteral("QQ9 not found in atlas")));
        QVERIFY(b->hasFocus());
        QCOMPARE(text(dialog.get(), "BLatEdit"), QString());
    }

    void enterInEmptyPrefixWithoutDefaultTerminal() {
        RecordingPresenter presenter;
        auto dialog = open(false);
        auto* a = field<QLineEdit>(dialog.get(), "APfxEdit");
        QTest::keyClick(a, Qt::Key_Return);
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QCOMPARE(presenter.messages[0].kind, MessageKind::Information);
        QVERIFY(presenter.lastText().startsWith(
            QStringLiteral("The default terminal is not available")));
        QVERIFY(presenter.alerts >= 1);
        QCOMPARE(a->text(), QString());
        QVERIFY(field<QLineEdit>(dialog.get(), "BPfxEdit")->hasFocus());
    }

    void okWithAnEmptyTerminalSaysWhichOne() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        field<QPushButton>(dialog.get(), "OKBtn")->click();
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QCOMPARE(presenter.messages[0].kind, MessageKind::Error);
        QVERIFY(presenter.lastText().startsWith(QStringLiteral("Terminal B is missing")));
        QVERIFY(field<QLineEdit>(dialog.get(), "BPfxEdit")->hasFocus());
        QVERIFY(dialog->isVisible());
    }

    void f7WithoutDefaultTerminalOnlyTellsWhy() {
        RecordingPresenter presenter;
        auto dialog = open(false);
        auto* a = field<QLineEdit>(dialog.get(), "APfxEdit");
        QTest::keyClick(a, Qt::Key_F7);
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QCOMPARE(a->text(), QString());
        QCOMPARE(m_status.hint,
                 QStringLiteral(
                     "Enter the prefix of the atlas entry, or press one of the terminal buttons"));
    }

    void insertStartsManualEntryAndTypingReplacesIt() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Insert);
        QCOMPARE(b->text(), QStringLiteral("<Ins>"));
        auto* lat = field<QLineEdit>(dialog.get(), "BLatEdit");
        QVERIFY(lat->isEnabled());
        QVERIFY(lat->hasFocus());
        QVERIFY(field<QLineEdit>(dialog.get(), "BNameEdit")->isEnabled());
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("g#"));
        QCOMPARE(b->text(), QStringLiteral("G"));
        // Leaving manual entry closes the coordinate fields again.
        QVERIFY(!lat->isEnabled());
        QVERIFY(!field<QLineEdit>(dialog.get(), "BNameEdit")->isEnabled());
    }

    void f9WithBadSolarIndexDoesNotPressOk() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("FN31"));
        auto* solar = field<QLineEdit>(dialog.get(), "SolarIndexEdit");
        solar->setFocus();
        solar->setText(QStringLiteral("F999"));
        QTest::keyClick(solar, Qt::Key_F9);
        QCOMPARE(presenter.lastText(), QStringLiteral("Solar flux must be between 60 and 410"));
        QVERIFY(solar->hasFocus());
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }

    void samePlaceIsIndeterminate() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Insert);
        field<QLineEdit>(dialog.get(), "BLatEdit")->setText(QStringLiteral("41.71"));
        field<QLineEdit>(dialog.get(), "BLonEdit")->setText(QStringLiteral("72.73"));
        field<QPushButton>(dialog.get(), "OKBtn")->click();
        QVERIFY(presenter.lastText().contains(QStringLiteral("indeterminate")));
        QVERIFY(field<QLineEdit>(dialog.get(), "APfxEdit")->hasFocus());
        QVERIFY(dialog->isVisible());
    }

    void okKeepsTheHemisphereOfAFullLatitudeField() {
        // "40 54 3.2S" fills the field; its normal form "40 54 3.2 S" is one character
        // longer than a terminal holds, and cutting it would drop the "S".
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Insert);
        QTest::keyClicks(field<QLineEdit>(dialog.get(), "BLatEdit"), QStringLiteral("40 54 3.2s"));
        field<QLineEdit>(dialog.get(), "BLonEdit")->setText(QStringLiteral("-174.8"));
        field<QPushButton>(dialog.get(), "OKBtn")->click();
        QVERIFY2(presenter.messages.empty(), qPrintable(presenter.lastText()));
        const std::string latitude = dialog->inputs().terminalB.LatitudeText;
        QVERIFY(latitude.size() <= kLatitudeTextCapacity);
        QCOMPARE(QString::fromStdString(latitude), text(dialog.get(), "BLatEdit"));
        QVERIFY(dialog->request().TerminalB.LatitudeDeg < -40.9);
    }

    void okRefusesABadLongitudeInItsField() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClick(b, Qt::Key_Insert);
        field<QLineEdit>(dialog.get(), "BLatEdit")->setText(QStringLiteral("10"));
        field<QLineEdit>(dialog.get(), "BLonEdit")->setText(QStringLiteral("361"));
        field<QPushButton>(dialog.get(), "OKBtn")->click();
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QVERIFY(field<QLineEdit>(dialog.get(), "BLonEdit")->hasFocus());
        QVERIFY(dialog->isVisible());
    }

    void okPreparesBothPaths() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("ZS"));
        auto* k = field<QLineEdit>(dialog.get(), "KIndexEdit");
        k->setText(QStringLiteral("05"));
        QTest::keyClick(k, Qt::Key_F9);
        QVERIFY2(presenter.messages.empty(), qPrintable(presenter.lastText()));
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        const PredictionInputs& inputs = dialog->inputs();
        QCOMPARE(inputs.terminalA.Prefix, std::string("DEFAULT"));
        QCOMPARE(inputs.terminalB.Name, std::string("South Africa"));
        QCOMPARE(inputs.kIndexText, std::string("5"));
        QCOMPARE(inputs.date, DateFromCalendar(2026, 12, 8));
        const PredictionRequest& request = dialog->request();
        QVERIFY(request.ShortPath.Length > 1.0 &&
                request.ShortPath.Length < 3.0); // about 12 760 km
        QVERIFY(request.Sun.Distance > 0.9);
        QCOMPARE(request.FrequencyCount, 5);
    }

    void destroyingTheOpenDialogRunsNoSlotOfIt() {
        // Deleting the children moves the focus from one to the next while the dialog
        // is half destroyed; its focus slot must not run then (the sanitizer build
        // reports the call on what is left of the dialog and stops here).
        RecordingPresenter presenter;
        auto dialog = open(true);
        field<QLineEdit>(dialog.get(), "DateEdit")->setFocus();
        QVERIFY(QApplication::focusWidget() != nullptr);
        dialog.reset();
        QVERIFY(presenter.messages.empty());
    }

    void escapeClosesWithCancel() {
        RecordingPresenter presenter;
        auto dialog = open(true);
        auto* b = field<QLineEdit>(dialog.get(), "BPfxEdit");
        b->setFocus();
        QTest::keyClicks(b, QStringLiteral("QQ9"));
        QTest::keyClick(b, Qt::Key_Escape);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(presenter.messages.empty());
    }
};

QTEST_MAIN(TestPredictionDialog)
#include "TestPredictionDialog.moc"
