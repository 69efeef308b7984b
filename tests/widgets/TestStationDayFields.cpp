// The station and day fields the map dialogs and the planner share: OK resolves the
// terminal, then checks the date and the two indices in that order, the first that
// fails keeping the focus; what passes comes back as typed; the terminal hands the
// focus to the date when done.

#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/EntryFields.h"
#include "widgets/StationDayFields.h"
#include "widgets/TerminalGroup.h"

#include <QDialog>
#include <QtTest>

using namespace predictiontest;

class TestStationDayFields : public QObject {
    Q_OBJECT

private:
    Atlas m_atlas = BuiltInTestAtlas();
    Settings m_settings = TestSettings(true);
    FakeStatusLine m_status;

private slots:
    void okChecksInOrderAndReadsWhatPasses_data() {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("solar");
        QTest::addColumn<QString>("kIndex");
        QTest::addColumn<QString>("focused"); // empty: the fields pass
        QTest::newRow("all pass") << "JN58"
                                  << "12/08/26"
                                  << "S120.0"
                                  << "4"
                                  << "";
        QTest::newRow("no K index") << "JN58"
                                    << "12/08/26"
                                    << "F150.0"
                                    << ""
                                    << "";
        QTest::newRow("date before K index") << "JN58"
                                             << "13/45/26"
                                             << "S120.0"
                                             << "12"
                                             << "DateEdit";
        QTest::newRow("solar before K index") << "JN58"
                                              << "12/08/26"
                                              << "X"
                                              << "12"
                                              << "SolarIndexEdit";
        QTest::newRow("K index") << "JN58"
                                 << "12/08/26"
                                 << "S120.0"
                                 << "12"
                                 << "KIndexEdit";
        QTest::newRow("terminal before date") << ""
                                              << "13/45/26"
                                              << "S120.0"
                                              << "4"
                                              << "PfxEdit";
    }

    void okChecksInOrderAndReadsWhatPasses() {
        QFETCH(QString, prefix);
        QFETCH(QString, date);
        QFETCH(QString, solar);
        QFETCH(QString, kIndex);
        QFETCH(QString, focused);
        RecordingPresenter presenter;
        QDialog owner;
        const DateConventions dates = UsDates();
        StationDayFields fields =
            MakeStationDayFields(&owner, {&m_settings, &m_atlas, nullptr, dates}, &m_status);
        MakeStationSolarDataButton(fields, dates, &m_status, &owner);
        QVERIFY(fields.solarData);
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        fields.terminal->prefixEdit()->setText(prefix);
        fields.date->setText(date);
        fields.solar->setText(solar);
        fields.kIndex->setText(kIndex);
        fields.terminal->prefixEdit()->setFocus();

        const DateValue fallback = DateFromCalendar(2000, 1, 1);
        const std::optional<StationDayValues> values =
            ReadStationDayFields(fields, dates, fallback);
        if (!focused.isEmpty()) {
            QVERIFY(!values);
            QCOMPARE(QApplication::focusWidget()->objectName(), focused);
            return;
        }
        QVERIFY(values);
        QCOMPARE(QString::fromStdString(values->station.Prefix), prefix);
        QCOMPARE(values->date, DateFromCalendar(2026, 12, 8));
        QCOMPARE(QString::fromStdString(values->solarIndexText), solar);
        QCOMPARE(QString::fromStdString(values->kIndexText), kIndex);
    }

    void terminalDoneHandsFocusToTheDate() {
        RecordingPresenter presenter; // the fields left empty may complain
        QDialog owner;
        const StationDayFields fields =
            MakeStationDayFields(&owner, {&m_settings, &m_atlas, nullptr, UsDates()}, &m_status);
        owner.show();
        owner.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&owner));
        fields.date->setText(QStringLiteral("12/08/26"));
        fields.solar->setText(QStringLiteral("S120.0"));
        fields.kIndex->setText(QStringLiteral("4"));
        fields.kIndex->setFocus();
        emit fields.terminal->groupDone();
        QVERIFY(fields.date->hasFocus());
        emit fields.terminal->focusBack();
        QVERIFY(fields.terminal->prefixEdit()->hasFocus());
    }
};

QTEST_MAIN(TestStationDayFields)
#include "TestStationDayFields.moc"
