#pragma once

#include "batch/BatchRun.h"
#include "batch/BatchTable.h"
#include "widgets/AppendOrOverwriteQuestion.h"

#include "widgets/AtlasPicker.h"
#include "widgets/SolarDataButton.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class BatchGrid;
class QAction;
class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;
class QToolButton;
class StatusLine;

/// What the batch window works with: the settings (frequencies, default terminal,
/// the report's display rules), the atlas, the date order, UTC or local time, and
/// the folder offered first for tables and report files.
struct BatchWindowInput {
    Settings settings;
    const Atlas* atlas = nullptr;
    DateConventions dates;
    TimeZoneState zone;
    QString directory;
};

/// The batch window: a table of up to fifteen predictions, kept in ".hbt" files and
/// run in one go to the printer (one print job, or one PDF) or to a report file.
class BatchWindow : public QDialog {
    Q_OBJECT
public:
    /// Picks a file: given the folder and the proposed name, the chosen path or empty.
    using FileChooser = std::function<QString(const QString& folder, const QString& proposed)>;
    /// Picks an atlas entry: its prefix, or nothing.
    /// Asks what to do with an existing report file.
    using AppendChooser = std::function<AppendOrOverwriteQuestion::Choice(const QString& path)>;

    BatchWindow(BatchWindowInput input, StatusLine* statusLine, QWidget* parent = nullptr);
    ~BatchWindow() override;

    BatchTable table() const;
    /// The table's file ("Untitled.hbt" until it is saved or opened).
    QString fileName() const { return m_fileName; }
    bool changed() const { return m_changed; }
    bool busy() const { return m_busy; }
    /// The caption without the changed mark.
    QString caption() const { return m_caption; }

    /// The dialogs, replaceable so that tests run without modal windows.
    void setOpenFileChooser(FileChooser chooser) { m_chooseOpen = std::move(chooser); }
    void setSaveFileChooser(FileChooser chooser) { m_chooseSave = std::move(chooser); }
    void setReportFileChooser(FileChooser chooser) { m_chooseReport = std::move(chooser); }
    void setAppendChooser(AppendChooser chooser) { m_chooseAppend = std::move(chooser); }
    void setAtlasPicker(AtlasPicker picker) { m_pickAtlas = std::move(picker); }
    /// Serves "Solar Data" for the current row.
    void setSolarDataSource(const SolarDataSource& source);

    /// Reads `path` into the table; false (nothing changed) when it cannot be read.
    bool openFile(const QString& path);
    /// Runs the table to the report file `path` (asking Append or Overwrite when it
    /// exists); false when nothing was written.
    bool runToFile(const QString& path);
    /// Runs the table to `printer` as one print job; false when the job failed.
    bool runToPrinter(QPrinter& printer);

public slots:
    void NewSpeedBtnClick();
    void OpenSpeedBtnClick();
    bool SaveSpeedBtnClick();
    bool SaveAsClick();
    void Close1Click();
    void CancelBtnClick();
    void PrintBtnClick();
    void PrintToFileBtnClick();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void buildMenu();
    void sizeTable();
    void setFileName(const QString& path);
    /// Saves the table to `path` (asking first when cells would be cut); on success the
    /// table belongs to that file. False, with the message shown, when it was not saved.
    bool saveTo(const QString& path);
    void setChanged(bool changed);
    /// With unsaved changes: Yes saves, No goes on, Cancel stops. True to go on.
    bool askToSaveChanges();
    void resetTable();
    void showColumnHint();
    void pickFromAtlas(int row, BatchColumn column);
    void setBusy(bool busy);
    /// While a run is busy: asks whether to stop it. True when it is stopped (or idle).
    bool stopRunFirst();
    /// After a run: closes the window when Close or Cancel asked for it during the run.
    void closeIfAsked();
    /// The run over every row: `output` is told each row's run and returns false to
    /// stop the run (an output that failed).
    /// Runs every row; what to tell about the rows that were not run (BatchRunSummary).
    std::string runRows(ReportStyle style, const std::function<bool(const BatchRowRun&)>& output);
    /// Tells the summary of runRows after a run that was not stopped.
    void tellRowsNotRun(const std::string& summary);
    BatchContext context() const;

    BatchWindowInput m_input;
    StatusLine* m_statusLine;
    QString m_fileName;
    QString m_folder;
    QString m_reportFileName;
    QString m_reportFolder;
    QString m_caption;
    bool m_changed = false;
    /// The records of the file the table was read from, as read (empty for a new
    /// table): cells still as read are saved with these bytes.
    std::string m_readBytes;
    bool m_cancelled = false;
    bool m_busy = false;
    bool m_stopRun = false;
    bool m_closeAfterRun = false;

    FileChooser m_chooseOpen;
    FileChooser m_chooseSave;
    FileChooser m_chooseReport;
    AppendChooser m_chooseAppend;
    AtlasPicker m_pickAtlas;
    SolarDataButton* m_solarData = nullptr;

    BatchGrid* m_grid = nullptr;
    QLabel* m_freqLabel = nullptr;
    QProgressBar* m_progress = nullptr;
    QToolButton* m_newBtn = nullptr;
    QToolButton* m_openBtn = nullptr;
    QToolButton* m_saveBtn = nullptr;
    QPushButton* m_printBtn = nullptr;
    QPushButton* m_printToFileBtn = nullptr;
    QPushButton* m_closeBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    QAction* m_newAction = nullptr;
    QAction* m_openAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_closeAction = nullptr;
};
