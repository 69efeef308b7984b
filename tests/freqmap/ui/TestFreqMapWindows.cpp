// The frequency map's dialog and display: what the dialog starts from and refuses,
// a legend click and Restore All, the readout of a clicked area, Auto Update, and a
// whole session from the menu's task leaving the current prediction as it was.

#include "appstate/AppState.h"
#include "freqmap/FreqMapTexts.h"
#include "freqmap/ui/FreqMapDialog.h"
#include "freqmap/ui/FreqMapTask.h"
#include "freqmap/ui/FreqMapWindow.h"
#include "maps/BaseMapFile.h"
#include "maps/BaseMaps.h"
#include "settings/SettingsFile.h"
#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/EntryFields.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace predictiontest;

namespace {

ClockReading NoonOf8December() {
    const DateValue t = DateFromCalendar(2026, 12, 8) + 0.5;
    return {t, t};
}

StationMapRequest Paris() {
    StationMapRequest r;
    r.station = {"F", "48.85N", "2.35E", "Paris"};
    DeriveTerminalCoordinates(r.station);
    r.date = DateFromCalendar(2026, 12, 8);
    r.timeText = "1200";
    r.solarIndexText = "S120.0";
    return r;
}

} // namespace

class TestFreqMapWindows : public QObject {
    Q_OBJECT

private:
    Atlas m_atlas = BuiltInTestAtlas();
    FakeStatusLine m_status;

    std::unique_ptr<FreqMapWindow> display(Settings settings) {
        FreqMapDisplayInput input;
        input.request = Paris();
        input.settings = settings;
        input.dates = UsDates();
        input.baseMap = std::make_shared<const PixelBuffer>(*DrawBaseMapFor(settings, false));
        input.centreLonDeg = -72.73;
        input.clock = NoonOf8December;
        auto form = std::make_unique<FreqMapWindow>(std::move(input));
        form->resize(1024, 740);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("display not exposed");
        return form;
    }

private slots:
    void dialogStartsFromThePredictionAndChecksOk() {
        RecordingPresenter presenter;
        StationMapInput input;
        input.settings = TestSettings(true);
        input.previous.station = DefaultTerminal(input.settings);
        input.previous.date = DateFromCalendar(2026, 12, 8);
        input.previous.solarIndexText = "F150.0";
        input.atlas = &m_atlas;
        input.dates = UsDates();
        input.zone = {false, 1.0 / 24, "ULT", 0.0}; // local time one hour behind UTC
        input.clock = NoonOf8December();
        FreqMapDialog dialog(input, &m_status);
        dialog.show();
        QCOMPARE(dialog.findChild<QLineEdit*>("PfxEdit")->text(), QStringLiteral("DEFAULT"));
        QCOMPARE(dialog.findChild<QLineEdit*>("DateEdit")->text(), QStringLiteral("12/08/26"));
        QCOMPARE(dialog.findChild<QLineEdit*>("TimeEdit")->text(), QStringLiteral("1100"));
        QCOMPARE(dialog.findChild<QLabel*>("ULTLabel")->text(), QStringLiteral("ULT"));
        QVERIFY(dialog.findChild<QGroupBox*>("TermAGroupBox"));

        auto* kIndex = dialog.findChild<QLineEdit*>("KIndexEdit");
        kIndex->setText(QStringLiteral("12"));
        dialog.OKBtnClick();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!presenter.messages.empty());

        kIndex->setText(QStringLiteral("4"));
        dialog.findChild<QLineEdit*>("PfxEdit")->setText(QStringLiteral("JN58"));
        dialog.OKBtnClick();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        const StationMapRequest& r = dialog.request();
        QCOMPARE(QString::fromStdString(r.station.Prefix), QStringLiteral("JN58"));
        QCOMPARE(r.station.LatitudeDeg, 48.5);
        QCOMPARE(r.station.LongitudeDeg, -11.0); // east is negative
        QCOMPARE(QString::fromStdString(r.kIndexText), QStringLiteral("4"));
        QCOMPARE(QString::fromStdString(r.timeText), QStringLiteral("1100"));
    }

    void legendClickThenRestoreAll() {
        auto form = display(TestSettings(true));
        auto* info = form->findChild<QLabel*>("InfoImage");
        auto* showAll = form->findChild<QPushButton*>("ShowAllBtn");
        auto* clickBox = form->findChild<QLabel*>("ClickBoxLbl");
        QCOMPARE(form->legendBoxes().size(), 6u); // five frequencies and "< 3.6"
        QVERIFY(!showAll->isVisible());

        const PixelRect second = form->legendBoxes()[1].box;
        QTest::mouseClick(info, Qt::LeftButton, {}, QPoint(second.left + 2, second.top + 2));
        QCOMPARE(form->selectedClass(), 2);
        QVERIFY(showAll->isVisible());
        QVERIFY(!clickBox->isVisible());
        QCOMPARE(form->legendBoxes().size(), 5u); // the no-frequency box is left out
        // Cells of another class are black: no cyan inside them.
        const FreqMapComputed& c = form->computed();
        const QImage map = form->findChild<QLabel*>("MapImage")->pixmap().toImage();
        for (std::size_t n = 0; n < c.cells.size(); ++n) {
            if (c.classes[n] == 2)
                continue;
            const PixelRect r = c.cells[n].rect;
            for (int y = r.top; y < r.bottom; y += 3)
                for (int x = r.left; x < r.right; x += 3)
                    QVERIFY(map.pixel(x, y) != qRgb(0, 255, 255));
        }

        // The last box (no listed frequency) cannot be chosen alone.
        QTest::mouseClick(showAll, Qt::LeftButton);
        QCOMPARE(form->selectedClass(), 0);
        QVERIFY(!showAll->isVisible());
        QVERIFY(clickBox->isVisible());
        const PixelRect last = form->legendBoxes().back().box;
        QTest::mouseClick(info, Qt::LeftButton, {}, QPoint(last.left + 2, last.top + 2));
        QCOMPARE(form->selectedClass(), 0);
    }

    // The saved picture holds the map and the legend panel as shown, pixel for pixel,
    // under the title rows; the picture is written in the format its name asks for.
    void savedPictureCarriesTitleLegendAndMap() {
        auto form = display(TestSettings(true));
        QVERIFY(form->findChild<QPushButton*>("SavePictureBtn"));
        const QImage map = form->findChild<QLabel*>("MapImage")->pixmap().toImage();
        const QImage info = form->findChild<QLabel*>("InfoImage")->pixmap().toImage();
        const QImage sheet = form->picture().convertToFormat(QImage::Format_RGB32);
        const int titleBottom = sheet.height() - std::max(map.height(), info.height()) - 6;
        QVERIFY(titleBottom > 2 * form->fontMetrics().height());
        QCOMPARE(sheet.width(), info.width() + map.width() + 12);
        for (int y = 0; y < map.height(); y += 7)
            for (int x = 0; x < map.width(); x += 7)
                QCOMPARE(sheet.pixel(6 + info.width() + x, titleBottom + y), map.pixel(x, y));
        for (int y = 0; y < info.height(); y += 11)
            for (int x = 0; x < info.width(); x += 11)
                QCOMPARE(sheet.pixel(6 + x, titleBottom + y), info.pixel(x, y));
        bool ink = false; // the title rows are written in black
        for (int y = 6; y < titleBottom && !ink; ++y)
            for (int x = 6; x < sheet.width() / 2 && !ink; ++x)
                ink = sheet.pixel(x, y) == qRgb(0, 0, 0);
        QVERIFY(ink);
    }

    // Each kind of file holds the whole picture: PNG the very pixels of picture(), SVG
    // the coastlines as white vector strokes over the cells' image, PDF a document.
    void savedFilesKeepThePictureAndItsVectorCoasts() {
        auto form = display(TestSettings(true));
        QTemporaryDir dir;
        for (const char* name : {"map.png", "map.svg", "map.pdf"})
            QCOMPARE(form->savePicture(dir.filePath(name)), QString());
        const QImage png(dir.filePath("map.png"));
        const QImage shown = form->picture();
        QCOMPARE(png.size(), shown.size());
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32), shown);
        QFile svgFile(dir.filePath("map.svg"));
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        const QByteArray svg = svgFile.readAll();
        QCOMPARE(svg.count("<image"), 2);              // the cells and the legend panel
        const qsizetype image = svg.indexOf("<image"); // the cells
        const qsizetype coast = svg.indexOf("stroke=\"#ffffff\"", image);
        QVERIFY(coast > image);
        QVERIFY(svg.indexOf("<polyline", coast) > coast);
        QVERIFY(svg.count("<polyline") >= 490); // the world's coastlines
        QFile pdf(dir.filePath("map.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    void clickOnTheMapTellsTheAreasFrequency() {
        auto form = display(TestSettings(true));
        auto* map = form->findChild<QLabel*>("MapImage");
        const FreqMapComputed& c = form->computed();
        const std::size_t n = c.cells.size() / 2; // the equator's middle area
        const PixelRect r = c.cells[n].rect;
        QTest::mouseClick(map, Qt::LeftButton, {},
                          QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
        QCOMPARE(form->readoutText(),
                 QString::fromStdString(FreqMapReadout(c.freqSlots, c.classes[n], c.mufs[n])));
        QCOMPARE(form->statusText(0), QString::fromLatin1(kFreqMapClickHint));
        QTest::mousePress(map, Qt::LeftButton, {}, QPoint(5, 5)); // a press clears it
        QCOMPARE(form->readoutText(), QString());
    }

    void autoUpdateFollowsTheClockUntilNow() {
        auto form = display(TestSettings(true));
        auto* label = form->findChild<QLabel*>("AutoUpdatingLbl");
        auto* timer = form->findChild<QTimer*>("Timer1");
        QCOMPARE(timer->interval(), 3 * 60000);
        form->AutoUpdateBtnClick();
        QVERIFY(form->autoUpdating());
        QVERIFY(label->isVisible());
        QVERIFY(timer->isActive());
        QCOMPARE(QString::fromStdString(form->mapTime().timeText), QStringLiteral("1200"));
        form->Timer1Timer();
        form->Timer1Timer();
        QVERIFY(form->autoUpdating()); // ticks keep it on
        form->NowBtnClick();
        QVERIFY(!form->autoUpdating());
        QVERIFY(!timer->isActive());
        QVERIFY(!label->isVisible());
    }

    void menuSessionLeavesThePredictionAlone() {
        RecordingPresenter presenter;
        QTemporaryDir dir;
        AppState state;
        state.DataDirectory = dir.path().toStdString();
        state.Dates = UsDates();
        state.PlaceAtlas = m_atlas;
        QVERIFY(!FrequencyMapAvailable(nullptr, state)); // no default terminal
        state.UserSettings = TestSettings(true);
        // No Hopscope.REC (it could not be saved): the map is drawn in memory.
        QVERIFY(FrequencyMapAvailable(nullptr, state));

        state.Prediction.TerminalA = DefaultTerminal(state.UserSettings);
        state.Prediction.TerminalB = {"G", "51.5", "0.1", "London"};
        state.Prediction.SolarIndexText = "F150.0";
        state.TimeZone.PredictionDate = DateFromCalendar(2026, 12, 8);
        const PredictionRecord before = state.Prediction;
        bool displayed = false;
        // OK the dialog, then close the display once it has drawn its map.
        QTimer::singleShot(0, [&] {
            auto* dialog = TopLevel<FreqMapDialog>();
            QVERIFY(dialog);
            dialog->findChild<QLineEdit*>("PfxEdit")->setText(QStringLiteral("JN58"));
            dialog->OKBtnClick();
            QTimer::singleShot(0, [&] {
                auto* form = TopLevel<FreqMapWindow>();
                QVERIFY(form);
                displayed = form->computed().ok;
                form->close();
            });
        });
        RunFrequencyMapWindows(nullptr, &m_status, state, {});
        QVERIFY(displayed);
        QCOMPARE(state.Prediction.TerminalA.Prefix, before.TerminalA.Prefix);
        QCOMPARE(state.Prediction.TerminalB.Name, before.TerminalB.Name);
        QCOMPARE(state.Prediction.SolarIndexText, before.SolarIndexText);
        QCOMPARE(state.TimeZone.PredictionDate, DateFromCalendar(2026, 12, 8));
    }
};

QTEST_MAIN(TestFreqMapWindows)
#include "TestFreqMapWindows.moc"
