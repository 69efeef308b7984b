// The program's Solar Data source in the prediction dialog, against the local solar
// data server of tests/solar (run through with-solar-server.sh; skipped otherwise):
// it fills the fields and says where from, and a dead server leaves them as they were.

#include "app/PublishedSolarData.h"
#include "prediction/PredictionDialog.h"
#include "solar/SolarPreferences.h"
#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/SolarDataButton.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace predictiontest;

class TestPublishedSolarData : public QObject {
    Q_OBJECT

private:
    Atlas m_atlas = BuiltInTestAtlas();
    FakeStatusLine m_status;
    QTemporaryDir m_dataDir;
    QString m_sourceDir = m_dataDir.path();
    QByteArray m_server = qgetenv("HOPSCOPE_SOLAR_TEST_BASE");

    std::unique_ptr<PredictionDialog> open() {
        PredictionDialogInput input;
        input.settings = TestSettings(true);
        input.previous.terminalA = DefaultTerminal(input.settings);
        input.previous.date = DateFromCalendar(2026, 3, 15);
        input.previous.solarIndexText = "F150.0";
        input.previous.kIndexText = "5";
        input.atlas = &m_atlas;
        input.dates = UsDates();
        auto dialog = std::make_unique<PredictionDialog>(input, &m_status);
        dialog->setSolarDataSource(PublishedSolarData(m_sourceDir.toStdString()));
        dialog->show();
        return dialog;
    }
    static QString text(QWidget* dialog, const char* name) {
        return dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
    }
    /// Clicks the button and waits for the fetch to end; true when it filled.
    static bool clickAndWait(QWidget* dialog) {
        auto* button = dialog->findChild<SolarDataButton*>(QStringLiteral("SolarDataBtn"));
        QSignalSpy finished(button, &SolarDataButton::finished);
        QTest::mouseClick(button, Qt::LeftButton);
        if (!finished.wait(20000))
            return false;
        return finished.at(0).at(0).toBool();
    }
    static void useServer(const QByteArray& base) { qputenv("HOPSCOPE_SOLAR_URL", base); }

private slots:
    void init() {
        if (m_server.isEmpty())
            QSKIP("run through tests/solar/with-solar-server.sh");
        m_sourceDir = m_dataDir.path();
    }

    void buttonFillsTheFieldsAndSaysWhereFrom() {
        RecordingPresenter presenter;
        useServer(m_server + "/good");
        auto dialog = open();
        QVERIFY(clickAndWait(dialog.get()));
        QCOMPARE(text(dialog.get(), "SolarIndexEdit"), QStringLiteral("F150.6"));
        QCOMPARE(text(dialog.get(), "KIndexEdit"), QString()); // not today: average
        QCOMPARE(m_status.hint,
                 QStringLiteral("Smoothed flux of March 2026 (148.9 at 1 AU), fetched just now"));
        QVERIFY(presenter.messages.empty());
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void deadServerGivesTheMessageAndLeavesTheFields() {
        RecordingPresenter presenter;
        useServer(qgetenv("HOPSCOPE_SOLAR_DEAD_URL"));
        QTemporaryDir empty;
        m_sourceDir = empty.path();
        auto dialog = open();
        QVERIFY(!clickAndWait(dialog.get()));
        QCOMPARE(text(dialog.get(), "SolarIndexEdit"), QStringLiteral("F150.0"));
        QCOMPARE(text(dialog.get(), "KIndexEdit"), QStringLiteral("5"));
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QVERIFY(presenter.lastText().startsWith(
            QStringLiteral("The solar data server could not be reached (cannot reach 127.0.0.1")));
        // The status line says it too (until the pointer's next hint replaces it).
        auto* button = dialog->findChild<SolarDataButton*>(QStringLiteral("SolarDataBtn"));
        QCOMPARE(button->lastStatus(), presenter.lastText());
    }

    void optionFillsInWhenTheDialogOpens() {
        RecordingPresenter presenter;
        useServer(m_server + "/good");
        QVERIFY(WriteSolarPreferences(m_dataDir.path().toStdString(), {true, ""}));
        auto dialog = open();
        auto* button = dialog->findChild<SolarDataButton*>(QStringLiteral("SolarDataBtn"));
        QSignalSpy finished(button, &SolarDataButton::finished);
        QVERIFY(finished.wait(20000));
        QCOMPARE(text(dialog.get(), "SolarIndexEdit"), QStringLiteral("F150.6"));
        QVERIFY(WriteSolarPreferences(m_dataDir.path().toStdString(), {false, ""}));
    }

    void closingDuringAFetchCancelsIt() {
        RecordingPresenter presenter;
        useServer(m_server + "/good");
        QTemporaryDir fresh;
        m_sourceDir = fresh.path();
        auto dialog = open();
        auto* button = dialog->findChild<SolarDataButton*>(QStringLiteral("SolarDataBtn"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(button->busy());
        dialog.reset(); // waits for the worker; must not crash or leave a busy cursor
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

QTEST_MAIN(TestPublishedSolarData)
#include "TestPublishedSolarData.moc"
