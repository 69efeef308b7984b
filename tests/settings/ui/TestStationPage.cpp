// The Options window's Station page: what it shows of the settings and gives back, the
// mode presets against the typed custom figures, a pattern file left empty, and the
// page the window reopens on.

#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/RecordingPresenter.h"

#include "settings/ui/OptionsDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

namespace {

Settings WithDefaultTerminal() {
    Settings settings = FactorySettings();
    settings.DefaultLatitudeText = "48 12";
    settings.DefaultLongitudeText = "-16 22";
    settings.DefaultName = "OE1XYZ";
    DeriveSettings(settings);
    return settings;
}

template <typename T> T* Find(QWidget* form, const char* name) {
    T* child = form->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

StationSettings Unusual() {
    StationSettings s;
    s.powerW = 5.0;
    s.txAntenna.gainDbi = 6.5;
    s.rxAntenna.patternFile = "beam.ant";
    s.noise = StationNoise::Level;
    s.noiseLevelDbw = -162.5;
    s.mode = StationMode::Custom;
    s.customBandwidthHz = 300.0;
    s.customSnrDb = -3.0;
    s.requiredReliabilityPercent = 50.0;
    s.startEngine = PredictionEngine::P533;
    return s;
}

} // namespace

class TestStationPage : public QObject {
    Q_OBJECT
private slots:
    void givesBackWhatItWasGiven() {
        FakeStatusLine status;
        OptionsDialog form(WithDefaultTerminal(), -1, &status);
        auto* notebook = Find<QTabWidget>(&form, "OptionsNotebook");
        QCOMPARE(notebook->count(), 5);
        QCOMPARE(notebook->tabText(4), QStringLiteral("Station"));
        QCOMPARE(form.stationSettings(), StationSettings{}); // the defaults until given
        for (const StationSettings& s : {Unusual(), StationSettings{}}) {
            form.setStationSettings(s, QStringLiteral("/tmp"));
            QCOMPARE(form.stationSettings(), s);
        }
        form.setStationSettings(Unusual(), QStringLiteral("/tmp"));
        QVERIFY(!Find<QDoubleSpinBox>(&form, "RxGainEdit")->isEnabled());
        QVERIFY(Find<QLineEdit>(&form, "RxPatternEdit")->isEnabled());
        QVERIFY(Find<QDoubleSpinBox>(&form, "NoiseLevelEdit")->isEnabled());
        Find<QPushButton>(&form, "RestoreFactoryStationBtn")->click();
        QCOMPARE(form.stationSettings(), StationSettings{});
        QVERIFY(!Find<QDoubleSpinBox>(&form, "NoiseLevelEdit")->isEnabled());
    }

    void presetsShowTheirFiguresAndCustomKeepsTheTypedOnes() {
        FakeStatusLine status;
        OptionsDialog form(WithDefaultTerminal(), -1, &status);
        auto* mode = Find<QComboBox>(&form, "ModeComboBox");
        auto* bandwidth = Find<QDoubleSpinBox>(&form, "BandwidthEdit");
        auto* snr = Find<QDoubleSpinBox>(&form, "RequiredSnrEdit");
        for (const ModePreset& preset : ModePresets()) {
            if (preset.mode == StationMode::Custom)
                continue;
            mode->setCurrentText(QString::fromLatin1(preset.name));
            QCOMPARE(bandwidth->value(), preset.bandwidthHz);
            QCOMPARE(snr->value(), preset.requiredSnrDb);
            QVERIFY(!bandwidth->isEnabled() && !snr->isEnabled());
            QCOMPARE(Find<QLabel>(&form, "ModeSourceLabel")->text(),
                     QString::fromUtf8(preset.source));
            QCOMPARE(form.stationSettings().mode, preset.mode);
        }
        mode->setCurrentText(QStringLiteral("Custom"));
        QVERIFY(bandwidth->isEnabled() && snr->isEnabled());
        bandwidth->setValue(150.0);
        snr->setValue(-8.5);
        mode->setCurrentText(QStringLiteral("FT8")); // a preset shown over them ...
        QCOMPARE(form.stationSettings().customBandwidthHz, 150.0);
        mode->setCurrentText(QStringLiteral("Custom")); // ... and they come back
        QCOMPARE(bandwidth->value(), 150.0);
        QCOMPARE(snr->value(), -8.5);
        const StationSettings s = form.stationSettings();
        QCOMPARE(s.BandwidthHz(), 150.0);
        QCOMPARE(s.RequiredSnrDb(), -8.5);
    }

    void anEmptyPatternFileIsNotSaved() {
        RecordingPresenter presenter;
        FakeStatusLine status;
        OptionsDialog form(WithDefaultTerminal(), -1, &status);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        Find<QComboBox>(&form, "TxAntennaComboBox")->setCurrentIndex(1);
        Find<QPushButton>(&form, "SaveBtn")->click();
        QCOMPARE(form.result(), 0); // still open
        QVERIFY(form.isVisible());
        QCOMPARE(presenter.messages.size(), std::size_t{1});
        QVERIFY(presenter.lastText().contains(QStringLiteral("pattern file")));
        QCOMPARE(Find<QTabWidget>(&form, "OptionsNotebook")->currentIndex(), 4);
        Find<QLineEdit>(&form, "TxPatternEdit")->setText(QStringLiteral("dipole.ant"));
        Find<QPushButton>(&form, "SaveBtn")->click();
        QCOMPARE(form.result(), static_cast<int>(QDialog::Accepted));
        QCOMPARE(form.stationSettings().txAntenna.patternFile, std::string("dipole.ant"));
    }

    void reopensOnTheStationPage() {
        FakeStatusLine status;
        OptionsDialog form(WithDefaultTerminal(), OptionsDialog::StationPg, &status);
        QCOMPARE(form.lastPage(), 4);
        QCOMPARE(Find<QTabWidget>(&form, "OptionsNotebook")->currentIndex(), 4);
    }
};

QTEST_MAIN(TestStationPage)
#include "TestStationPage.moc"
