// The results window: the table's cells, title and footer as the window shows
// them, scrolling around the clock, the path and display toggles, and "Save as
// Text..." with the append-or-overwrite question.

#include "core/Numeric.h"
#include "prediction/PredictionResultsWindow.h"
#include "report/PredictionHeaders.h"
#include "report/PredictionReport.h"
#include "tests/widgets/PredictionTestSupport.h"
#include "tests/widgets/RecordingPresenter.h"
#include "widgets/AppendOrOverwriteQuestion.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>

using namespace predictiontest;

namespace {

constexpr float kFrequencies[] = {3.6f, 7.1f, 14.1f, 21.2f, 28.3f};

/// A made-up prediction whose cells show the table's rules: UTC slot 0 of the short
/// path holds one example per frequency, slot 12 a marker for the time-zone test.
PredictionResultsInput SyntheticInput(double utcOffsetDays = 0.0) {
    PredictionResultsInput input;
    input.settings = TestSettings(true);
    input.settings.ShowZeroAvailability = true; // zero availabilities shown as a blank letter
    input.dates = UsDates();
    input.request.Date = DateFromCalendar(2026, 12, 8);
    input.request.Zone.UtcOffset = utcOffsetDays;
    input.request.Zone.TimeZoneLabel = utcOffsetDays == 0.0 ? "UTC" : "ULT";
    PredictionResult& r = input.result;
    r.FrequencyCount = 5;
    for (int n = 0; n < 5; ++n)
        r.FrequencyMHz[n] = kFrequencies[n];
    for (PathResult& path : r.Paths) {
        for (int j = 0; j < kHalfHours; ++j) {
            path.Muf[j] = 10.0f + 0.1f * j;
            for (int n = 0; n < kMaxFrequencies; ++n)
                path.Signal[j][n] = kNoModeSignal;
        }
    }
    PathResult& s = r.Paths[0];
    auto set = [&s](int j, int n, float level, float availability) {
        s.Signal[j][n] = level;
        s.Reliability[j][n] = availability;
    };
    set(0, 0, 23.0f, 0.6f);   // "  23 B"
    set(0, 1, 30.0f, 0.75f);  // exactly 0.75 is A
    set(0, 2, 30.0f, 0.74f);  // B
    set(0, 3, -10.0f, 0.5f);  // at the threshold: shown
    set(0, 4, 12.0f, 0.004f); // rounds to 0.00: blank letter
    set(1, 0, -10.5f, 0.9f);  // below the threshold: empty
    set(12, 0, 44.0f, 0.9f);  // the local-time marker
    s.HeaderLines = {"short line 1", "short line 2", "short line 3"};
    PathResult& l = r.Paths[1];
    l.Signal[0][0] = 5.0f;
    l.Reliability[0][0] = 1.0f;
    l.Geometry.IsPolar = true;
    l.HeaderLines = {"long line 1", "long line 2", "long line 3"};
    return input;
}

/// A real prediction from W1AW to Tokyo.
PredictionResultsInput RealInput() {
    PredictionResultsInput input;
    input.settings = TestSettings(true);
    input.dates = UsDates();
    input.request = RequestTo(input.settings, "PM95");
    input.result = Predict(input.request);
    return input;
}

/// Answers the next append-or-overwrite question with `button` once it opens.
void AnswerAppendOrOverwrite(const char* button) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, button] {
        if (auto* dialog = TopLevel<AppendOrOverwriteQuestion>()) {
            dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestPredictionResultsWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PredictionResultsWindow> open(PredictionResultsInput input) {
        auto window = std::make_unique<PredictionResultsWindow>(std::move(input));
        window->resize(1024, 700);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qWarning("window not exposed");
        QApplication::processEvents();
        return window;
    }
    static QTableWidget* grid(QWidget* w) {
        return w->findChild<QTableWidget*>(QStringLiteral("PredGrid"));
    }
    static QString cell(QWidget* w, int row, int column) {
        QTableWidgetItem* item = grid(w)->item(row, column);
        return item ? item->text() : QStringLiteral("<none>");
    }
    static QString selectedTime(QWidget* w) { return cell(w, grid(w)->currentRow(), 0); }
    static int topRow(QWidget* w) { return grid(w)->rowAt(0); }
    static bool selectionFullyVisible(QWidget* w) {
        QTableWidget* g = grid(w);
        const QRect rect = g->visualRect(g->model()->index(g->currentRow(), 0));
        // The window counts a last row that misses under a quarter of its height.
        return rect.top() >= 0 && rect.bottom() < g->viewport()->height() + rect.height() / 4;
    }
    static QString label(QWidget* w, const char* name) {
        return w->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    static void press(QWidget* w, Qt::Key key) { QTest::keyClick(grid(w), key); }

private slots:
    void cellsFollowTheTableRules() {
        auto window = open(SyntheticInput());
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Hopscope Short-Path Prediction for 12/08/2026"));
        QTableWidget* g = grid(window.get());
        QCOMPARE(g->horizontalHeaderItem(0)->text(), QStringLiteral("UTC"));
        QCOMPARE(g->horizontalHeaderItem(3)->text(), QStringLiteral("7.1 MHz"));
        QCOMPARE(cell(window.get(), 0, 0), QStringLiteral("0000"));
        QCOMPARE(cell(window.get(), 0, 1), QStringLiteral("10.0"));
        QCOMPARE(cell(window.get(), 0, 2), QStringLiteral("  23 B"));
        QCOMPARE(cell(window.get(), 0, 3), QStringLiteral("  30 A"));
        QCOMPARE(cell(window.get(), 0, 4), QStringLiteral("  30 B"));
        QCOMPARE(cell(window.get(), 0, 5), QStringLiteral(" -10 B"));
        QCOMPARE(cell(window.get(), 0, 6), QStringLiteral("  12  "));
        QCOMPARE(cell(window.get(), 1, 2), QString()); // below the threshold
        QCOMPARE(cell(window.get(), 0, 7), QString()); // no sixth frequency
        // The rows after the day repeat it.
        QCOMPARE(cell(window.get(), 48, 2), QStringLiteral("  23 B"));
        QCOMPARE(label(window.get(), "GridTopLabel"),
                 QStringLiteral("SIGNAL LEVELS IN dB ABOVE 0.5 µV"));
        QVERIFY(label(window.get(), "GridFooterLabel").contains(QStringLiteral("Others: 0%")));
        // Every second frequency column is pale.
        QCOMPARE(g->item(5, 2)->background().color(), QColor(255, 250, 240));
        QCOMPARE(g->item(5, 3)->background().style(), Qt::NoBrush);
    }

    void signalToNoiseIsHeldToMinus999() {
        PredictionResultsInput input = SyntheticInput();
        input.settings.SuppressionThreshold = 3; // no suppression
        DeriveSettings(input.settings);
        input.result.Paths[0].Signal[1][0] = -1200.0f;
        input.settings.ShowSnr = true;
        auto window = open(input);
        QVERIFY(!window->showsSignalLevels());
        QCOMPARE(cell(window.get(), 1, 2), QStringLiteral("-999 A"));
        QCOMPARE(label(window.get(), "GridTopLabel"),
                 QStringLiteral("SIGNAL-TO-NOISE RATIOS (dB)"));
        QVERIFY(label(window.get(), "GridFooterLabel")
                    .endsWith(QStringLiteral("No suppression in effect")));
    }

    void localTimeShiftsTheRows() {
        auto window = open(SyntheticInput(0.25));
        QCOMPARE(grid(window.get())->horizontalHeaderItem(0)->text(), QStringLiteral("ULT"));
        QCOMPARE(cell(window.get(), 0, 0), QStringLiteral("0000"));
        QCOMPARE(cell(window.get(), 0, 2), QStringLiteral("  44 A")); // UTC slot 12
        QCOMPARE(cell(window.get(), 0, 1), QStringLiteral("11.2"));
    }

    void withoutFrequenciesTheTableSaysSo() {
        PredictionResultsInput input = SyntheticInput();
        input.result.FrequencyCount = 0;
        auto window = open(input);
        QCOMPARE(label(window.get(), "GridTopLabel"),
                 QStringLiteral("NO FREQUENCIES HAVE BEEN SPECIFIED"));
        QCOMPARE(label(window.get(), "GridTopLabel").isEmpty(), false);
        QVERIFY(!window->findChild<QAction*>(QStringLiteral("Signals1"))->isEnabled());
        QVERIFY(!window->findChild<QAction*>(QStringLiteral("Advanced"))->isEnabled());
        QCOMPARE(cell(window.get(), 0, 2), QString());
    }

    void opensOnMidnightAndWrapsAroundTheClock() {
        auto window = open(SyntheticInput());
        QWidget* w = window.get();
        const int v = window->visibleRows();
        QVERIFY(v > 3);
        QCOMPARE(grid(w)->rowCount(), v + 49);
        QCOMPARE(topRow(w), 48);
        QCOMPARE(selectedTime(w), QStringLiteral("0000"));

        press(w, Qt::Key_Up);
        QCOMPARE(selectedTime(w), QStringLiteral("2330"));
        QVERIFY(selectionFullyVisible(w));

        press(w, Qt::Key_End);
        QCOMPARE(selectedTime(w), QStringLiteral("2330"));
        QCOMPARE(topRow(w), 48 - v); // "2330" is the last whole row in view
        QVERIFY(selectionFullyVisible(w));

        press(w, Qt::Key_Home);
        QCOMPARE(topRow(w), 48);
        QCOMPARE(selectedTime(w), QStringLiteral("0000"));

        // Down and up through more than a day: the times follow the clock, the
        // selection stays in view and the view never reaches either end.
        for (int i = 1; i <= 60; ++i) {
            press(w, Qt::Key_Down);
            QCOMPARE(selectedTime(w), QString::fromStdString(FormatHHMM((i % 48) / 48.0)));
            QVERIFY(selectionFullyVisible(w));
            QVERIFY(topRow(w) >= 1 && topRow(w) + v < grid(w)->rowCount());
        }
        for (int i = 59; i >= -30; --i) {
            press(w, Qt::Key_Up);
            QCOMPARE(selectedTime(w),
                     QString::fromStdString(FormatHHMM((((i % 48) + 48) % 48) / 48.0)));
            QVERIFY(selectionFullyVisible(w));
            QVERIFY(topRow(w) >= 1);
        }
        const QString before = selectedTime(w);
        press(w, Qt::Key_Left);
        press(w, Qt::Key_Right);
        QCOMPARE(selectedTime(w), before);
    }

    void pagesAndTheUpDownArrowsWrap() {
        auto window = open(SyntheticInput());
        QWidget* w = window.get();
        const int v = window->visibleRows();
        for (int i = 1; i <= 8; ++i) {
            press(w, Qt::Key_PageDown);
            QCOMPARE(selectedTime(w),
                     QString::fromStdString(FormatHHMM(((i * (v - 1)) % 48) / 48.0)));
            QVERIFY(selectionFullyVisible(w));
        }
        press(w, Qt::Key_Home);
        w->findChild<QToolButton*>(QStringLiteral("UpDownUp"))->click();
        QCOMPARE(selectedTime(w), QStringLiteral("2330"));
        w->findChild<QToolButton*>(QStringLiteral("UpDownDown"))->click();
        w->findChild<QToolButton*>(QStringLiteral("UpDownDown"))->click();
        QCOMPARE(selectedTime(w), QStringLiteral("0030"));
    }

    void wheelMovesTheSelection() {
        auto window = open(SyntheticInput());
        QWidget* viewport = grid(window.get())->viewport();
        const QPointF at(10, 10);
        QWheelEvent down(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &down);
        const int lines = QApplication::wheelScrollLines();
        QCOMPARE(selectedTime(window.get()), QString::fromStdString(FormatHHMM(lines / 48.0)));
        QWheelEvent halfUp(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, 60), Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport, &halfUp);
        QCOMPARE(selectedTime(window.get()), QString::fromStdString(FormatHHMM(lines / 48.0)));
        QApplication::sendEvent(viewport, &halfUp);
        QCOMPARE(selectedTime(window.get()), QStringLiteral("0000"));
    }

    void togglesRebuildTheTable() {
        auto window = open(SyntheticInput());
        QWidget* w = window.get();
        auto* pathToggle = w->findChild<QPushButton*>(QStringLiteral("PathToggleBtn"));
        auto* sigToggle = w->findChild<QPushButton*>(QStringLiteral("SigDisplayToggleBtn"));
        auto* headers = w->findChild<QListWidget*>(QStringLiteral("HeaderListBox"));
        QCOMPARE(pathToggle->text(), QStringLiteral("Show Long &Path"));
        QCOMPARE(headers->item(0)->text(), QStringLiteral("short line 1"));
        press(w, Qt::Key_Down);
        press(w, Qt::Key_Down);

        pathToggle->click();
        QCOMPARE(window->pathKind(), PathKind::Long);
        QCOMPARE(w->windowTitle(), QStringLiteral("Hopscope Long-Path Prediction for 12/08/2026"));
        QCOMPARE(pathToggle->text(), QStringLiteral("Show Short &Path"));
        QCOMPARE(headers->item(2)->text(), QStringLiteral("long line 3"));
        QCOMPARE(cell(w, 0, 2), QStringLiteral("   5 A"));
        QCOMPARE(selectedTime(w), QStringLiteral("0000"));
        QCOMPARE(topRow(w), 48);

        sigToggle->click();
        QVERIFY(!window->showsSignalLevels());
        QCOMPARE(sigToggle->text(), QStringLiteral("Show &Signal Levels"));
        QCOMPARE(label(w, "GridTopLabel"), QStringLiteral("SIGNAL-TO-NOISE RATIOS (dB)"));
        QVERIFY(cell(w, 0, 2) != QStringLiteral("   5 A"));

        pathToggle->click();
        QCOMPARE(cell(w, 0, 3).right(1), QStringLiteral("A")); // still S/N, short path again
        QCOMPARE(headers->item(0)->text(), QStringLiteral("short line 1"));
    }

    void infoOpensThePathInformation() {
        auto window = open(SyntheticInput());
        int opened = 0;
        bool buttonsOffMeanwhile = false;
        window->setPathInfoOpener([&](QWidget*) {
            ++opened;
            buttonsOffMeanwhile =
                !window->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->isEnabled();
        });
        window->findChild<QAction*>(QStringLiteral("Info1"))->trigger();
        QCOMPARE(opened, 1);
        QVERIFY(buttonsOffMeanwhile);
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->isEnabled());
    }

    void otherWindowsOpenForTheShownPath() {
        auto window = open(SyntheticInput());
        auto* advanced = window->findChild<QAction*>(QStringLiteral("Advanced"));
        auto* maps = window->findChild<QMenu*>(QStringLiteral("Maps1"));
        QVERIFY(!advanced->isEnabled());
        QVERIFY(!maps->menuAction()->isEnabled());
        PathKind kindSeen = PathKind::Short;
        bool signalLevelsSeen = true;
        int calls = 0;
        window->setWindowOpener(
            QStringLiteral("Advanced"),
            [&](QWidget*, const PredictionResultsInput&, PathKind kind, bool signalLevels) {
                ++calls;
                kindSeen = kind;
                signalLevelsSeen = signalLevels;
            });
        window->setWindowOpener(QStringLiteral("RectangularMap1"),
                                [](QWidget*, const PredictionResultsInput&, PathKind, bool) {});
        QVERIFY(advanced->isEnabled());
        QVERIFY(maps->menuAction()->isEnabled());
        QVERIFY(!window->findChild<QMenu*>(QStringLiteral("Graphs1"))->menuAction()->isEnabled());
        window->findChild<QPushButton*>(QStringLiteral("PathToggleBtn"))->click();
        window->findChild<QPushButton*>(QStringLiteral("SigDisplayToggleBtn"))->click();
        advanced->trigger();
        QCOMPARE(calls, 1);
        QCOMPARE(kindSeen, PathKind::Long);
        QVERIFY(!signalLevelsSeen);

        // Without frequencies there is nothing for the hops table to show.
        PredictionResultsInput empty = SyntheticInput();
        empty.result.FrequencyCount = 0;
        auto none = open(empty);
        none->setWindowOpener(QStringLiteral("Advanced"),
                              [](QWidget*, const PredictionResultsInput&, PathKind, bool) {});
        QVERIFY(!none->findChild<QAction*>(QStringLiteral("Advanced"))->isEnabled());
    }

    void saveAsTextWritesTheReport() {
        RecordingPresenter presenter;
        QTemporaryDir dir;
        const PredictionResultsInput input = RealInput();
        auto window = open(input);
        const QString path = dir.filePath(QStringLiteral("tokyo.txt"));
        QVERIFY(window->saveReportTo(path));

        // The same text as the report code gives for this path and display.
        TableSource source;
        source.path = &input.result.Paths[0];
        source.frequencyCount = input.result.FrequencyCount;
        source.frequencyMHz = input.result.FrequencyMHz;
        source.frequencyTexts = FrequencyTexts(input.settings);
        const PredictionTable table =
            BuildPredictionTable(source, TableRulesOf(input.settings, true));
        const std::string expected = JoinReportLines(PredictionReportLines(
            table, input.result.Paths[0].HeaderLines, input.result.Paths[0].Geometry.IsPolar,
            PathKind::Short, "12/08/2026", ReportStyle::ResultsWindow));
        const QByteArray report = QByteArray::fromStdString(expected);
        QCOMPARE(ReadAll(path), report);
        QVERIFY(report.contains("Hopscope Short-Path Prediction for 12/08/2026\r\n"));
        QCOMPARE(window->printDirectory(), dir.path());

        AnswerAppendOrOverwrite("AppendBtn");
        QVERIFY(window->saveReportTo(path));
        QCOMPARE(ReadAll(path), report + report);

        AnswerAppendOrOverwrite("CancelBtn");
        QVERIFY(!window->saveReportTo(path));
        QCOMPARE(ReadAll(path), report + report);

        window->findChild<QPushButton*>(QStringLiteral("PathToggleBtn"))->click();
        AnswerAppendOrOverwrite("OverwriteBtn");
        QVERIFY(window->saveReportTo(path));
        const QByteArray longReport = ReadAll(path);
        QVERIFY(longReport.contains("Hopscope Long-Path Prediction for 12/08/2026\r\n"));
        QVERIFY(!longReport.contains("Short-Path"));
        QVERIFY(presenter.messages.empty());
    }

    void aFailedSaveIsReportedAndChangesNothing() {
        RecordingPresenter presenter;
        auto window = open(SyntheticInput());
        QVERIFY(!window->saveReportTo(QStringLiteral("/nonexistent-folder/report.txt")));
        QCOMPARE(presenter.messages.size(), std::size_t(1));
        QCOMPARE(presenter.messages[0].kind, MessageKind::Error);
        QVERIFY(presenter.lastText().contains(QStringLiteral("Could not open the file")));
        QVERIFY(window->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->isEnabled());
        QVERIFY(window->findChild<QAction*>(QStringLiteral("Print1"))->isEnabled());
    }
};

QTEST_MAIN(TestPredictionResultsWindow)
#include "TestPredictionResultsWindow.moc"
