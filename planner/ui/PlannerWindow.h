#pragma once

#include "core/Dates.h"
#include "core/TimeZone.h"
#include "planner/Planner.h"
#include "station/P533Offer.h"
#include "widgets/AtlasPicker.h"
#include "widgets/SolarDataButton.h"
#include "widgets/StationDayFields.h"

#include <QDialog>
#include <QFuture>
#include <atomic>
#include <functional>

struct CountryFileLoad;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPagedPaintDevice;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;
class StatusLine;
class PlannerHeaderView;
class PlannerSortProxy;
class PlannerStripDelegate;
class PlannerTableModel;
struct Atlas;

/// What the planner window starts from.
struct PlannerWindowInput {
    PredictionInputs previous; ///< terminal A, date, solar and K index texts of the last prediction
    Settings settings;
    const Atlas* atlas = nullptr; ///< the places; must outlive the window
    DateConventions dates;
    TimeZoneState zone;
    ClockReading clock; ///< "now" for the current half hour
    /// The P.533 engine offered beside the classic one (OfferP533), and the engine the
    /// window starts with.
    P533Offer p533;
    PredictionEngine startEngine = PredictionEngine::Classic;
    /// The country file that places callsigns; not owned, may be null.
    const CountryFileLoad* countries = nullptr;
};

/// Opens the on-screen prediction (results window) of one row of the planner, showing
/// the row's path.
using PlannerPredictionOpener =
    std::function<void(QWidget* parent, const PredictionInputs&, PathKind)>;

/// "Hopscope Planner": terminal A, date, solar and K index, path kind, engine and
/// threshold (the classic MUF probability; with P.533 the station's required circuit
/// reliability); OK computes the planner to every atlas place on a worker thread, rows appearing as
/// they come (progress bar, Cancel). One row per place and path, a strip per band;
/// sort by a column header, filter by text, double-click for the on-screen
/// prediction, Save as CSV, Print.
class PlannerWindow : public QDialog {
    Q_OBJECT
public:
    PlannerWindow(PlannerWindowInput input, StatusLine* statusLine, QWidget* parent = nullptr);
    ~PlannerWindow() override;

    void setAtlasPicker(const AtlasPicker& picker);
    /// Serves "Solar Data"; with the user's choice it fetches the figures at once.
    void setSolarDataSource(const SolarDataSource& source);
    void setPredictionOpener(PlannerPredictionOpener opener) { m_opener = std::move(opener); }
    /// True while a computation runs.
    bool computing() const;
    const PlannerTableModel* model() const { return m_model; }
    /// The rows shown, printed on `device` (PrintPlanner); false when it cannot be.
    bool printTo(QPagedPaintDevice& device) const;
    PredictionEngine engine() const;
    void setEngine(PredictionEngine engine);

signals:
    /// A computation has ended (completed or cancelled).
    void computationDone();

protected:
    void closeEvent(QCloseEvent* event) override;
    /// Escape stops a running computation; otherwise it closes the window.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OKBtnClick();
    void StopBtnClick();
    void RowDoubleClick(const QModelIndex& index);
    void SaveCsvBtnClick();
    void PrintBtnClick();
    void addChunk(std::vector<PlannerRow> rows, std::vector<PlannerSkip> skipped, int placesDone);
    void finishComputation();
    void stopAndWait();
    void setComputing(bool on);
    /// The status line under the table: the rows shown of all, after a run.
    void showSummary();
    /// The band columns share the width the place columns leave, down to their smallest.
    void fitBandColumns();
    void showLegend();

    PlannerWindowInput m_input;
    StatusLine* m_statusLine;
    PlannerPredictionOpener m_opener;
    PlannerSetup m_setup;
    std::vector<PlannerSkip> m_skipped;
    std::atomic<bool> m_cancel{false};
    QFuture<void> m_future;
    int m_placeCount = 0;
    bool m_finished = false;
    bool m_cancelled = false;

    StationDayFields m_fields;
    QComboBox* m_path;
    QDoubleSpinBox* m_threshold;
    QComboBox* m_engine;
    QLabel* m_legend;
    double m_classicThreshold = 0.5; ///< the classic threshold while P.533 runs
    QPushButton* m_ok;
    QPushButton* m_stop;
    QLineEdit* m_filter;
    QProgressBar* m_progress;
    QLabel* m_summary;
    QTableView* m_table;
    PlannerTableModel* m_model;
    PlannerSortProxy* m_proxy;
    PlannerStripDelegate* m_strips;
    PlannerHeaderView* m_header;
};
