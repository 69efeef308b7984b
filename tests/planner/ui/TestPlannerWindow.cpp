// The planner window over the built-in atlas: rows while it computes, the whole atlas
// at the end, sorting by name and by a band's open hours, the filter, and the
// double-click that asks for the on-screen prediction of the row's path.

#include "planner/PlannerView.h"
#include "planner/ui/PlannerTableModel.h"
#include "planner/ui/PlannerWindow.h"
#include "tests/widgets/FakeStatusLine.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/EntryFields.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

using namespace predictiontest;

class TestPlannerWindow : public QObject {
    Q_OBJECT

private:
    Atlas m_atlas = BuiltInTestAtlas();
    FakeStatusLine m_status;

    PlannerWindowInput input() const {
        PlannerWindowInput in;
        in.previous.terminalA = {"W1", "42.35N", "71.05W", "Boston"};
        in.previous.date = DateFromCalendar(2026, 3, 21);
        in.previous.solarIndexText = "S120.0";
        in.settings = FactorySettings();
        in.atlas = &m_atlas;
        in.dates = UsDates();
        const DateValue noon = DateFromCalendar(2026, 3, 21) + 0.5;
        in.clock = {noon, noon};
        return in;
    }

private slots:
    void computesSortsFiltersAndOpens() {
        PlannerWindow window(input(), &m_status);
        std::vector<PredictionInputs> opened;
        window.setPredictionOpener([&opened](QWidget*, const PredictionInputs& inputs, PathKind) {
            opened.push_back(inputs);
        });
        window.show();
        QSignalSpy done(&window, &PlannerWindow::computationDone);
        QTest::mouseClick(window.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(window.computing());
        QVERIFY(done.wait(60000));
        QVERIFY(!window.computing());
        // Every place but the station's own prefix W1 (same coordinates: no path).
        const int places = static_cast<int>(m_atlas.Entries.size());
        QCOMPARE(window.model()->rowCount(), places - 1);

        auto* table = window.findChild<QTableView*>("PlannerGrid");
        const QAbstractItemModel* shown = table->model();
        table->sortByColumn(kPlannerNameColumn, Qt::AscendingOrder);
        for (int r = 1; r < shown->rowCount(); ++r)
            QVERIFY(shown->index(r - 1, kPlannerNameColumn).data().toString().toLower() <=
                    shown->index(r, kPlannerNameColumn).data().toString().toLower());
        // A band column sorts by the hours it is open: most first when descending.
        const int band = kPlannerBandColumn + 2;
        table->sortByColumn(band, Qt::DescendingOrder);
        auto openOf = [&](int r) {
            return shown->index(r, band)
                .data(PlannerTableModel::StripRole)
                .toString()
                .count(QRegularExpression("[A-D]"));
        };
        QVERIFY(openOf(0) >= openOf(shown->rowCount() - 1));
        QVERIFY(openOf(0) > 0);

        window.findChild<QLineEdit*>("FilterEdit")->setText("island");
        QVERIFY(shown->rowCount() > 5 && shown->rowCount() < 60);
        // The status line counts the rows the filter shows, of all.
        QCOMPARE(window.findChild<QLabel*>("SummaryLabel")->text().section(';', 0, 0),
                 QStringLiteral("%1 of %2 rows shown").arg(shown->rowCount()).arg(places - 1));
        for (int r = 0; r < shown->rowCount(); ++r)
            QVERIFY(shown->index(r, kPlannerNameColumn)
                        .data()
                        .toString()
                        .contains("island", Qt::CaseInsensitive));

        const QModelIndex first = shown->index(0, kPlannerNameColumn);
        const QString prefix = shown->index(0, kPlannerPrefixColumn).data().toString();
        emit table->doubleClicked(first);
        QCOMPARE(opened.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(opened[0].terminalB.Prefix), prefix);
        QCOMPARE(opened[0].terminalA.Prefix, std::string("W1"));
        QCOMPARE(opened[0].solarIndexText, std::string("S120.0"));
    }

    // Each band column is wide enough for its frequency and its ruler, "open now" is
    // marked where a band is open at the current half hour, and the printout takes a
    // page per forty rows.
    void readableColumnsOpenNowAndPrintout() {
        PlannerWindow window(input(), &m_status);
        // Its fields fit the screen: none is cut off at the window's edge.
        QVERIFY(window.minimumSizeHint().width() <= window.screen()->availableGeometry().width());
        window.resize(640, 480);
        window.show();
        QSignalSpy done(&window, &PlannerWindow::computationDone);
        QTest::mouseClick(window.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(done.wait(60000));
        auto* table = window.findChild<QTableView*>("PlannerGrid");
        const QAbstractItemModel* shown = table->model();
        const QFontMetrics metrics = table->horizontalHeader()->fontMetrics();
        for (int c = kPlannerBandColumn; c < shown->columnCount(); ++c) {
            const QString title = shown->headerData(c, Qt::Horizontal).toString();
            QVERIFY2(table->columnWidth(c) >= metrics.horizontalAdvance(title) + 8,
                     qPrintable(title));
            QVERIFY(table->columnWidth(c) >= 2 * 48);
        }
        // Marked exactly where a band of the row is open at the current half hour.
        const PlannerTableModel* model = window.model();
        int marked = 0;
        for (int r = 0; r < model->rowCount(); ++r) {
            const QModelIndex best = model->index(r, kPlannerBestNowColumn);
            const bool open = best.data(Qt::BackgroundRole).isValid();
            bool anyOpen = false;
            for (const PlannerBand& band : model->rows()[static_cast<std::size_t>(r)].bands)
                anyOpen = anyOpen || band.open[static_cast<std::size_t>(model->utcSlotNow())];
            QCOMPARE(open, anyOpen);
            marked += open;
        }
        QVERIFY(marked > 0 && marked < shown->rowCount());

        QTemporaryDir dir;
        const QString pdf = dir.filePath("planner.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageOrientation(QPageLayout::Landscape);
        QVERIFY(window.printTo(printer));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString bytes = QString::fromLatin1(file.readAll());
        const int pages = static_cast<int>(bytes.count(QRegularExpression("/Type\\s*/Page[^s]")));
        QCOMPARE(pages, (shown->rowCount() + 39) / 40);
        if (qEnvironmentVariableIsSet("HOPSCOPE_KEEP_PRINTOUT"))
            QFile::copy(pdf, qEnvironmentVariable("HOPSCOPE_KEEP_PRINTOUT"));
    }

    // With P.533 the strips carry the circuit reliability, a slot is open at the
    // station's required reliability (the threshold follows it and comes back after),
    // and the two half hours of an hour are alike.
    void p533EngineOpensAtTheRequiredReliability() {
        PlannerWindowInput in = input();
        ::StationSettings station;
        station.mode = StationMode::FT8;
        station.requiredReliabilityPercent = 70.0;
        in.p533 = OfferP533(station, {}, 1.5);
        QVERIFY2(in.p533.choice.data, in.p533.problem.c_str());
        in.startEngine = PredictionEngine::P533;
        PlannerWindow window(in, &m_status);
        window.show();
        auto* threshold = window.findChild<QDoubleSpinBox*>("ThresholdSpin");
        QCOMPARE(window.engine(), PredictionEngine::P533);
        QVERIFY(!threshold->isEnabled());
        QCOMPARE(threshold->value(), 0.70);
        QSignalSpy done(&window, &PlannerWindow::computationDone);
        QTest::mouseClick(window.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(done.wait(120000));
        QVERIFY(window.model()->rowCount() > 300);
        int open = 0;
        for (const PlannerRow& row : window.model()->rows())
            for (const PlannerBand& band : row.bands)
                for (int j = 0; j < kHalfHours; ++j) {
                    if (std::abs(band.reliability[j] - 0.70f) > 1e-5f) // not on the edge
                        QCOMPARE(band.open[j], band.shown[j] && band.reliability[j] >= 0.70f);
                    QCOMPARE(band.reliability[j], band.reliability[j ^ 1]);
                    open += band.open[j];
                }
        QVERIFY(open > 0);
        const QModelIndex strip = window.model()->index(0, kPlannerBandColumn);
        QCOMPARE(strip.data(PlannerTableModel::ReliabilityRole).toList().size(), kHalfHours);

        window.setEngine(PredictionEngine::Classic);
        QVERIFY(threshold->isEnabled());
        QCOMPARE(threshold->value(), 0.5);
    }

    void refusesABadSolarIndexAndCancels() {
        RecordingPresenter presenter;
        PlannerWindowInput in = input();
        PlannerWindow window(in, &m_status);
        window.show();
        auto* solar = window.findChild<ValidatedEdit*>("SolarIndexEdit");
        solar->setText("");
        QTest::mouseClick(window.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QVERIFY(!window.computing());
        QVERIFY(!presenter.messages.empty());
        solar->setText("S120");
        QSignalSpy done(&window, &PlannerWindow::computationDone);
        QTest::mouseClick(window.findChild<QPushButton*>("OKBtn"), Qt::LeftButton);
        QTest::mouseClick(window.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
        QVERIFY(done.wait(60000));
        QVERIFY(window.model()->rowCount() < static_cast<int>(m_atlas.Entries.size()) - 1);
    }
};

QTEST_MAIN(TestPlannerWindow)
#include "TestPlannerWindow.moc"
