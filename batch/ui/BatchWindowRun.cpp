// The run of the batch window: the rows to the printer or to a report file.
#include "batch/BatchReportFile.h"
#include "batch/BatchRun.h"
#include "batch/ui/BatchGrid.h"
#include "batch/ui/BatchWindow.h"
#include "batch/ui/ReportPrintJob.h"
#include "widgets/MessageBoxes.h"
#include "widgets/StatusLine.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>

namespace {

const char* const kPrintHint = "Press to batch print (or print to file) the prediction(s)";

} // namespace

BatchContext BatchWindow::context() const {
    BatchContext context;
    context.settings = m_input.settings;
    context.atlas = m_input.atlas;
    context.dates = m_input.dates;
    context.zone = m_input.zone;
    return context;
}

void BatchWindow::setBusy(bool busy) {
    m_busy = busy;
    for (QWidget* w : std::initializer_list<QWidget*>{m_newBtn, m_openBtn, m_saveBtn, m_printBtn,
                                                      m_printToFileBtn, m_closeBtn})
        w->setEnabled(!busy);
    for (QAction* a : {m_newAction, m_openAction, m_saveAction, m_saveAsAction, m_closeAction})
        a->setEnabled(!busy);
    m_grid->setReadOnly(busy);
    m_progress->setVisible(busy);
    m_progress->setValue(0);
    if (busy) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (m_statusLine)
            m_statusLine->SetStatusHint(QStringLiteral("Printing"));
    } else {
        QApplication::restoreOverrideCursor();
        if (m_statusLine)
            m_statusLine->SetStatusHint(QString::fromLatin1(kPrintHint));
    }
}

bool BatchWindow::stopRunFirst() {
    if (!m_busy)
        return true;
    const MessageAnswer answer = ShowMessage(
        this, MessageKind::Confirmation,
        QStringLiteral("A batch run is in progress.\rDo you want to cancel it?"), false);
    if (answer != MessageAnswer::Yes)
        return false;
    m_stopRun = true;
    return true;
}

void BatchWindow::closeIfAsked() {
    if (!m_closeAfterRun)
        return;
    m_closeAfterRun = false;
    if (m_cancelled)
        done(QDialog::Rejected);
    else
        Close1Click();
}

std::string BatchWindow::runRows(ReportStyle style,
                                 const std::function<bool(const BatchRowRun&)>& output) {
    std::vector<BatchRowRun> outcomes;
    const BatchTable table = m_grid->table();
    const BatchContext run = context();
    for (int r = 0; r < kBatchRows; ++r)
        m_grid->setRowStatus(r, BatchRowStatus::NotRun, QString());
    m_grid->showStatusColumn(true);
    for (int r = 1; r <= kBatchRows; ++r) {
        QApplication::processEvents();
        if (m_stopRun)
            break;
        const BatchRowRun row =
            RunBatchRow(table.Rows[static_cast<std::size_t>(r - 1)], r, run, style);
        if (!output(row))
            break;
        m_grid->setRowStatus(r - 1, row.status, QString::fromStdString(row.reason));
        m_progress->setValue(r);
        outcomes.push_back({row.row, row.status, row.reason, {}, {}, {}});
    }
    return BatchRunSummary(outcomes);
}

void BatchWindow::tellRowsNotRun(const std::string& summary) {
    if (!summary.empty() && !m_stopRun)
        ShowMessage(this, MessageKind::Information, QString::fromStdString(summary), false);
}

void BatchWindow::PrintBtnClick() {
    if (m_busy)
        return;
    m_grid->showStatusColumn(false);
    if (m_statusLine)
        m_statusLine->SetStatusHint(QString());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) {
        if (m_statusLine)
            m_statusLine->SetStatusHint(QString::fromLatin1(kPrintHint));
        return;
    }
    runToPrinter(printer);
}

bool BatchWindow::runToPrinter(QPrinter& printer) {
    if (m_busy)
        return false;
    ReportPrintJob job(printer, m_caption);
    if (!job.begin()) {
        ShowError(this, QStringLiteral(
                            "The predictions could not be printed: the print job did not start."));
        return false;
    }
    m_stopRun = false;
    setBusy(true);
    bool failed = false;
    const auto beforeLine = [this] {
        QApplication::processEvents();
        return !m_stopRun;
    };
    const std::string summary = runRows(ReportStyle::Batch, [&](const BatchRowRun& row) {
        for (const std::vector<std::string>& report : row.reports)
            if (!job.printReport(report, beforeLine)) {
                failed = !m_stopRun;
                return false;
            }
        return true;
    });
    const bool ended = job.end();
    setBusy(false);
    if ((failed || !ended) && !m_stopRun)
        ShowError(this, QStringLiteral("The print job failed; the run was stopped."));
    else
        tellRowsNotRun(summary);
    closeIfAsked();
    return !failed && ended;
}

void BatchWindow::PrintToFileBtnClick() {
    if (m_busy)
        return;
    m_grid->showStatusColumn(false);
    // Until a report file is chosen, the table's own name is proposed.
    const QString proposed = m_reportFileName == QLatin1String("Untitled.hpf") &&
                                     m_fileName != QLatin1String("Untitled.hbt")
                                 ? QFileInfo(m_fileName).completeBaseName() + QStringLiteral(".hpf")
                                 : m_reportFileName;
    const QString path = m_chooseReport(m_reportFolder, proposed);
    if (!path.isEmpty())
        runToFile(path);
}

bool BatchWindow::runToFile(const QString& path) {
    if (m_busy)
        return false;
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable()) {
        ShowError(this, QStringLiteral("The file %1 is read-only.").arg(path));
        return false;
    }
    m_reportFolder = info.absolutePath();
    m_reportFileName = info.fileName();
    ReportFileMode mode = ReportFileMode::Create;
    if (info.exists()) {
        switch (m_chooseAppend(path)) {
        case AppendOrOverwriteQuestion::Choice::Append:
            mode = ReportFileMode::Append;
            break;
        case AppendOrOverwriteQuestion::Choice::Overwrite:
            mode = ReportFileMode::Overwrite;
            break;
        case AppendOrOverwriteQuestion::Choice::Cancel:
            return false;
        }
    }
    m_stopRun = false;
    setBusy(true);
    std::string text;
    const std::string summary = runRows(ReportStyle::BatchFile, [&text](const BatchRowRun& row) {
        for (const std::vector<std::string>& report : row.reports)
            text += JoinReportLines(report);
        return true;
    });
    const ReportFileResult written =
        m_stopRun ? ReportFileResult{true, {}} : WriteReportFile(path.toStdString(), text, mode);
    setBusy(false);
    if (!written.ok)
        ShowError(this, QString::fromStdString(written.message));
    else
        tellRowsNotRun(summary);
    const bool ok = written.ok && !m_stopRun;
    closeIfAsked();
    return ok;
}
