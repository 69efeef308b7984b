// The coverage map's dialog and display: the dialog's frequency check and result; the
// display's background day, time slider, Play, projections, a click's readout and the
// saved pictures.

#include "coverage/CoverageTexts.h"
#include "coverage/ui/CoverageDialog.h"
#include "coverage/ui/CoverageWindow.h"
#include "maps/BaseMapFile.h"
#include "maps/PixelBuffer.h"
#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace predictiontest;

namespace {

ClockReading NoonOf8December() {
    const DateValue t = DateFromCalendar(2026, 12, 8) + 0.5;
    return {t, t};
}

} // namespace

class TestCoverageWindows : public QObject {
    Q_OBJECT

private:
    Atlas m_atlas = BuiltInTestAtlas();
    FakeStatusLine m_status;

    std::unique_ptr<CoverageWindow> display(const std::string& freq, bool p533 = false) {
        const Settings settings = TestSettings(true);
        CoverageDisplayInput input;
        input.request.map.station = {"F", "48.85N", "2.35E", "Paris"};
        input.request.map.date = DateFromCalendar(2026, 12, 8);
        input.request.map.timeText = "1200";
        input.request.map.solarIndexText = "S120.0";
        input.request.freqText = freq;
        input.settings = settings;
        input.dates = UsDates();
        input.rectangularBase =
            std::make_shared<const PixelBuffer>(*DrawBaseMapFor(settings, false));
        input.greatCircleBase =
            std::make_shared<const PixelBuffer>(*DrawBaseMapFor(settings, true));
        input.centre = {41.71, 72.73};
        input.cellDeg = 10; // 648 cells keep the test quick
        input.clock = NoonOf8December;
        if (p533) {
            input.p533 = OfferP533(::StationSettings{}, {}, 1.5);
            input.startEngine = PredictionEngine::P533;
        }
        auto form = std::make_unique<CoverageWindow>(std::move(input));
        form->resize(1000, 640);
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            qWarning("display not exposed");
        return form;
    }

private slots:
    void dialogChecksTheFrequency() {
        RecordingPresenter presenter;
        StationMapInput input;
        input.settings = TestSettings(true);
        input.previous.station = DefaultTerminal(input.settings);
        input.previous.date = DateFromCalendar(2026, 12, 8);
        input.previous.solarIndexText = "F150.0";
        input.atlas = &m_atlas;
        input.dates = UsDates();
        input.clock = NoonOf8December();
        CoverageDialog dialog(input, &m_status);
        dialog.show();
        auto* freq = dialog.findChild<QComboBox*>("FreqComboBox");
        QCOMPARE(freq->count(), 5); // the user's list
        freq->setEditText(QStringLiteral("31"));
        dialog.OKBtnClick();
        QCOMPARE(dialog.QDialog::result(), int(QDialog::Rejected));
        QVERIFY(!presenter.messages.empty());
        freq->setEditText(QStringLiteral("10.1"));
        dialog.OKBtnClick();
        QCOMPARE(dialog.QDialog::result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(dialog.result().freqText), QStringLiteral("10.1"));
        QCOMPARE(QString::fromStdString(dialog.result().map.timeText), QStringLiteral("1200"));
    }

    void daySliderPlayAndClick() {
        auto form = display("14.1");
        QCOMPARE(form->halfHour(), 24); // 1200 UTC
        form->waitForDay();
        QVERIFY(form->dayReady());
        QCOMPARE(form->shownMap()->halfHours.size(), std::size_t(48));
        QVERIFY(!form->frame().isNull());

        // The slider steps the shown half hour; Play moves on without waiting.
        form->findChild<QSlider*>("TimeSlider")->setValue(30);
        QCOMPARE(form->halfHour(), 30);
        QTest::mouseClick(form->findChild<QPushButton*>("PlayBtn"), Qt::LeftButton);
        QVERIFY(form->playing());
        QTRY_VERIFY_WITH_TIMEOUT(form->halfHour() >= 32, 3000);
        QTest::mouseClick(form->findChild<QPushButton*>("PlayBtn"), Qt::LeftButton);
        QVERIFY(!form->playing());

        // A click in the middle of the map reads the cell there, as the texts give it.
        auto* map = form->findChild<QLabel*>("MapImage");
        QTest::mouseClick(map, Qt::LeftButton, {}, map->rect().center());
        QVERIFY(form->readoutText().contains(QStringLiteral("MUF ")));
        QVERIFY(form->readoutText().contains(QStringLiteral("MUF probability ")));

        // Both projections draw at the map's own size.
        form->setGreatCircle(true);
        QCOMPARE(form->frame().deviceIndependentSize().toSize(), map->size());
        form->setShow(CoverageShow::Snr);
        QTest::mouseClick(map, Qt::LeftButton, {}, map->rect().center());
        // The disc's centre is the base maps' centre, 41.71 N 72.73 W, in the 10° cell
        // 40..50 N, 70..80 W.
        QVERIFY2(form->readoutText().startsWith(QStringLiteral("Cell 45.00 N   75.00 W")),
                 qPrintable(form->readoutText()));
    }

    // P.533: the day by hours, the cells coloured by circuit reliability; back to the
    // classic engine, the half hours and the MUF probability.
    void engineChoiceStepsAndColours() {
        auto form = display("14.1", true);
        form->waitForDay();
        QCOMPARE(form->engine(), PredictionEngine::P533);
        QVERIFY(form->shownMap() && form->shownMap()->IsP533());
        QCOMPARE(form->shownMap()->halfHours.size(), std::size_t{24});
        auto* show = form->findChild<QComboBox*>("ShowComboBox");
        QCOMPARE(show->itemText(0), QStringLiteral("Circuit reliability"));
        QVERIFY(form->findChild<QLabel*>("DayStepLbl")->text().contains("an hour"));
        form->setHalfHour(27);
        QCOMPARE(form->halfHour(), 26); // 1300 UTC
        const int cell = form->shownMap()->grid.CellCount() / 2;
        QCOMPARE(form->shownMap()->At(cell, 13).reliability,
                 static_cast<float>(form->shownMap()->P533At(cell, 13).reliabilityPercent / 100));

        form->findChild<QComboBox*>("EngineComboBox")->setCurrentIndex(0);
        form->waitForDay();
        QCOMPARE(form->engine(), PredictionEngine::Classic);
        QCOMPARE(form->shownMap()->halfHours.size(), std::size_t{48});
        QCOMPARE(show->itemText(0), QStringLiteral("MUF probability"));
        form->setHalfHour(27);
        QCOMPARE(form->halfHour(), 27);
    }

    void savesPngSvgAndPdf() {
        auto form = display("7.3"); // typed, not in the list
        form->waitForDay();
        QVERIFY(form->dayReady());
        QTemporaryDir dir;
        for (const char* name : {"map.png", "map.svg", "map.pdf"}) {
            const QString path = dir.filePath(QString::fromLatin1(name));
            QCOMPARE(form->savePicture(path), QString());
            QVERIFY(QFileInfo(path).size() > 1000);
        }
        if (qEnvironmentVariableIsSet("HOPSCOPE_KEEP_PICTURES"))
            for (const char* name : {"map.png", "map.svg", "map.pdf"})
                QFile::copy(dir.filePath(QString::fromLatin1(name)),
                            qEnvironmentVariable("HOPSCOPE_KEEP_PICTURES") + QLatin1String("/") +
                                QString::fromLatin1(name));
        // SVG holds the cells as one picture under the coastlines as vectors: no seams
        // between cells, and small files.
        QFile svg(dir.filePath(QStringLiteral("map.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QByteArray text = svg.readAll();
        QCOMPARE(text.count("<image"), 1);
        QVERIFY(text.count("<path") >= 3); // land, coastlines, night side
        QVERIFY2(text.size() < 2'000'000, QByteArray::number(text.size()));
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("map.pdf"))).size() < 2'000'000);
        QImage png(dir.filePath(QStringLiteral("map.png")));
        QVERIFY(png.width() > form->frame().width()); // the legend is beside the map
        // On white, with no black bars beside the map: the corners are white, and the
        // map's left and right edges (below the title, at half height) are not black.
        QCOMPARE(png.pixel(0, png.height() - 1), qRgb(255, 255, 255));
        QCOMPARE(png.pixel(png.width() - 1, 0), qRgb(255, 255, 255));
        QVERIFY(png.pixelColor(2, png.height() / 2) != QColor(Qt::black));
        QVERIFY(!form->savePicture(dir.filePath(QStringLiteral("no/such/dir/map.png"))).isEmpty());
    }
};

QTEST_MAIN(TestCoverageWindows)
#include "TestCoverageWindows.moc"
