#include "batch/ui/BatchWindow.h"

#include "batch/BatchFile.h"
#include "batch/BatchTableText.h"
#include "batch/ui/BatchGrid.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/SolarDataButton.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kBatchHelpContext = 63;

constexpr const char* kUntitled = "Untitled.hbt";

// The folder the last table or report file of this run of the program was in, per data
// folder, so that the next batch window's file dialogs open there.
QString& LastFolder(const QString& dataFolder, bool report) {
    static QHash<QString, QString> folders;
    return folders[(report ? QStringLiteral("report:") : QStringLiteral("table:")) + dataFolder];
}

QString StartFolder(const QString& dataFolder, bool report) {
    const QString last = LastFolder(dataFolder, report);
    return last.isEmpty() ? dataFolder : last;
}

QString TableFilter() {
    return QStringLiteral("Hopscope Batch Table file (*.hbt);;Any file (*)");
}

} // namespace

BatchWindow::BatchWindow(BatchWindowInput input, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_input(std::move(input)), m_statusLine(statusLine),
      m_fileName(QString::fromLatin1(kUntitled)), m_folder(StartFolder(m_input.directory, false)),
      m_reportFileName(QStringLiteral("Untitled.hpf")),
      m_reportFolder(StartFolder(m_input.directory, true)) {
    setObjectName(QStringLiteral("TBatchDlgForm"));
    SetHelpContext(this, kBatchHelpContext);
    ScaleWindow(this);
    buildControls();
    buildMenu();
    m_grid->setTable(DefaultBatchTable(m_input.settings.DefaultDefined));
    setFileName(m_fileName);
    sizeTable();
    TrackFocusHints(this, m_statusLine);
    m_grid->setFocus();

    m_chooseOpen = [this](const QString& folder, const QString&) {
        QFileDialog dialog(this, QStringLiteral("Open Batch Table"), folder, TableFilter());
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("hbt"));
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    m_chooseSave = [this](const QString& folder, const QString& proposed) {
        QFileDialog dialog(this, QStringLiteral("Save Batch Table As"), folder, TableFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("hbt"));
        dialog.selectFile(proposed);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    m_chooseReport = [this](const QString& folder, const QString& proposed) {
        QFileDialog dialog(this, QStringLiteral("Print to File"), folder,
                           QStringLiteral("Hopscope Prediction file (*.hpf);;Any file (*)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("hpf"));
        // An existing file gets the append-or-overwrite question instead.
        dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
        dialog.selectFile(proposed);
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    m_chooseAppend = [this](const QString& path) {
        return AppendOrOverwriteQuestion::Ask(path, this);
    };
}

BatchWindow::~BatchWindow() {
    LastFolder(m_input.directory, false) = m_folder;
    LastFolder(m_input.directory, true) = m_reportFolder;
}

void BatchWindow::setSolarDataSource(const SolarDataSource& source) {
    m_solarData->setSource(source);
}

void BatchWindow::buildControls() {
    const auto toolButton = [this](const char* name, QStyle::StandardPixmap icon,
                                   const char* hint) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(style()->standardIcon(icon));
        button->setToolTip(QString::fromLatin1(hint));
        button->setStatusTip(QString::fromLatin1(hint));
        button->setAutoRaise(true);
        return button;
    };
    m_newBtn = toolButton("NewSpeedBtn", QStyle::SP_FileIcon, "Create a New Batch Table File");
    m_openBtn = toolButton("OpenSpeedBtn", QStyle::SP_DialogOpenButton, "Open Batch Table File");
    m_saveBtn = toolButton("SaveSpeedBtn", QStyle::SP_DialogSaveButton, "Save Batch Table File");
    connect(m_newBtn, &QToolButton::clicked, this, &BatchWindow::NewSpeedBtnClick);
    connect(m_openBtn, &QToolButton::clicked, this, &BatchWindow::OpenSpeedBtnClick);
    connect(m_saveBtn, &QToolButton::clicked, this, &BatchWindow::SaveSpeedBtnClick);

    m_freqLabel = new QLabel(QString::fromStdString(BatchFrequencyLine(m_input.settings)), this);
    m_freqLabel->setObjectName(QStringLiteral("FreqLabel"));

    m_grid = new BatchGrid(m_input.dates, this);
    connect(m_grid, &BatchGrid::tableEdited, this, [this] { setChanged(true); });
    connect(m_grid, &BatchGrid::escapePressed, this, &BatchWindow::CancelBtnClick);
    connect(m_grid, &BatchGrid::atlasRequested, this, &BatchWindow::pickFromAtlas);
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this] { showColumnHint(); });

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setRange(0, kBatchRows);
    m_progress->setVisible(false);

    const auto button = [this](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_printBtn = button("PrintBtn", "&Print Predictions");
    m_printBtn->setStatusTip(
        QStringLiteral("Press to batch print (or print to file) the prediction(s)"));
    m_printToFileBtn = button("PrintToFileBtn", "Print to F&ile...");
    m_printToFileBtn->setStatusTip(
        QStringLiteral("Press to write the prediction(s) to a Hopscope prediction file"));
    m_closeBtn = button("CloseBtn", "&Close");
    m_cancelBtn = button("CancelBtn", "Cancel");
    connect(m_printBtn, &QPushButton::clicked, this, &BatchWindow::PrintBtnClick);
    connect(m_printToFileBtn, &QPushButton::clicked, this, &BatchWindow::PrintToFileBtnClick);
    connect(m_closeBtn, &QPushButton::clicked, this, &BatchWindow::Close1Click);
    connect(m_cancelBtn, &QPushButton::clicked, this, &BatchWindow::CancelBtnClick);

    auto* top = new QHBoxLayout;
    top->addWidget(m_newBtn);
    top->addWidget(m_openBtn);
    top->addWidget(m_saveBtn);
    top->addSpacing(Scaled(this, 16));
    top->addWidget(m_freqLabel, 1);
    // Solar Data fills the solar and K index cells of the current row from its date.
    auto fetchRow = std::make_shared<int>(0);
    top->addWidget(m_solarData = new SolarDataButton(
                       {[this, fetchRow] {
                            *fetchRow = std::max(0, m_grid->currentRow());
                            return ParseDateText(m_grid->table().Rows[*fetchRow].DateText,
                                                 m_input.dates);
                        },
                        [this, fetchRow](const QString& solar, const QString& k) {
                            m_grid->setCellText(*fetchRow, BatchColumn::Solar, solar);
                            m_grid->setCellText(*fetchRow, BatchColumn::KIndex, k);
                        }},
                       m_statusLine, this));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_progress, 1);
    bottom->addStretch();
    for (QPushButton* b : {m_printBtn, m_printToFileBtn, m_closeBtn, m_cancelBtn})
        bottom->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_solarData->sourceLabel());
    layout->addWidget(m_grid);
    layout->addLayout(bottom);
}

void BatchWindow::buildMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    const auto add = [file](const char* name, const char* caption, const char* hint) {
        QAction* action = file->addAction(QString::fromLatin1(caption));
        action->setObjectName(QString::fromLatin1(name));
        action->setStatusTip(QString::fromLatin1(hint));
        return action;
    };
    m_newAction = add("New1", "&New...", "Create a New Batch Table File");
    m_openAction = add("Open1", "&Open...", "Open Batch Table File");
    m_saveAction = add("Save", "&Save...", "Save Batch Table File");
    m_saveAction->setShortcut(QKeySequence::Save);
    m_saveAsAction = add("SaveAs", "Save &As...", "");
    file->addSeparator();
    m_closeAction = add("Close1", "&Close", "");
    connect(m_newAction, &QAction::triggered, this, &BatchWindow::NewSpeedBtnClick);
    connect(m_openAction, &QAction::triggered, this, &BatchWindow::OpenSpeedBtnClick);
    connect(m_saveAction, &QAction::triggered, this, &BatchWindow::SaveSpeedBtnClick);
    connect(m_saveAsAction, &QAction::triggered, this, &BatchWindow::SaveAsClick);
    connect(m_closeAction, &QAction::triggered, this, &BatchWindow::Close1Click);
    // Ctrl+S works wherever the focus is in the window, the table's cells included.
    m_saveAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_saveAction);
    layout()->setMenuBar(bar);
}

void BatchWindow::sizeTable() {
    // The table font shrinks until ten capital X fit in 110/1024 of the screen width.
    QFont font = m_grid->font();
    const int limit = ScreenSize(this).width() * 110 / 1024;
    while (font.pointSizeF() > 5 && QFontMetrics(font).horizontalAdvance(QString(10, 'X')) > limit)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    m_grid->setFont(font);
    m_grid->horizontalHeader()->setFont(font);
    const QFontMetrics metrics(font);
    const int pad = metrics.horizontalAdvance(QStringLiteral("XX"));
    const int widths[] = {8, 8, 9, 6, 4, 8};
    int used = m_grid->verticalHeader()->sizeHint().width() + 2 * m_grid->frameWidth();
    for (int c = 0; c < 6; ++c) {
        const auto lines = BatchColumnHeader(static_cast<BatchColumn>(c), m_input.dates);
        const int header = std::max(metrics.horizontalAdvance(QString::fromStdString(lines[0])),
                                    metrics.horizontalAdvance(QString::fromStdString(lines[1])));
        const int width =
            std::max(header, metrics.horizontalAdvance(QString(widths[c], 'X'))) + pad;
        m_grid->setColumnWidth(c, width);
        used += width;
    }
    const int status = metrics.horizontalAdvance(QStringLiteral("OK")) + 2 * pad;
    m_grid->setStatusColumnWidth(status);
    const int total = ScreenSize(this).width() * 15 / 16;
    // Notes takes the rest, and gives the status column its room when it shows.
    m_grid->setColumnWidth(static_cast<int>(BatchColumn::Notes), std::max(pad * 8, total - used));
    m_grid->verticalHeader()->setDefaultSectionSize(metrics.height() * 13 / 10);
    m_grid->setFixedSize(total, m_grid->fullHeight());
}

BatchTable BatchWindow::table() const {
    return m_grid->table();
}

void BatchWindow::setFileName(const QString& path) {
    m_fileName = path;
    const QFontMetrics metrics(font());
    const QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle,
                                             metrics.horizontalAdvance(QString(36, 'X')));
    m_caption = QStringLiteral("Hopscope Batch Table ") + shown;
    setWindowTitle(m_caption + QStringLiteral("[*]"));
}

void BatchWindow::setChanged(bool changed) {
    m_changed = changed;
    setWindowModified(changed);
}

void BatchWindow::showColumnHint() {
    const std::string hint = BatchColumnHint(m_grid->currentBatchColumn(), m_input.dates,
                                             m_input.settings.SunspotPrimary);
    m_grid->setStatusTip(QString::fromStdString(hint));
    if (m_statusLine && m_grid->hasFocus()) {
        if (hint.empty())
            m_statusLine->ResetStatusLine();
        else
            m_statusLine->SetStatusHint(QString::fromStdString(hint));
    }
}

bool BatchWindow::askToSaveChanges() {
    if (!m_changed)
        return true;
    const MessageAnswer answer =
        ShowMessage(this, MessageKind::Confirmation,
                    QStringLiteral("The table in ") + m_fileName +
                        QStringLiteral(" has changed.\rDo you want to save the changes?"),
                    false);
    if (answer == MessageAnswer::Yes)
        return SaveSpeedBtnClick();
    return answer == MessageAnswer::No;
}

void BatchWindow::resetTable() {
    m_grid->setTable(DefaultBatchTable(true));
    m_grid->showStatusColumn(false);
    m_readBytes.clear();
    setChanged(false);
    setFileName(QString::fromLatin1(kUntitled));
}

void BatchWindow::NewSpeedBtnClick() {
    if (m_busy || !askToSaveChanges())
        return;
    resetTable();
}

void BatchWindow::OpenSpeedBtnClick() {
    if (m_busy || !askToSaveChanges())
        return;
    const QString path = m_chooseOpen(m_folder, m_fileName);
    if (!path.isEmpty())
        openFile(path);
}

bool BatchWindow::openFile(const QString& path) {
    const BatchFileRead read = ReadBatchTableFile(path.toStdString());
    if (!read.ok) {
        ShowMessage(this, MessageKind::Error,
                    QStringLiteral("File I/O error.\r%1: %2")
                        .arg(QDir::toNativeSeparators(path), QString::fromStdString(read.error)),
                    true);
        return false;
    }
    BatchTable table = m_grid->table();
    PutBatchRecords(table, read.records);
    m_readBytes = read.bytes;
    m_grid->setTable(table);
    m_grid->showStatusColumn(false);
    m_folder = QFileInfo(path).absolutePath();
    setFileName(QFileInfo(path).absoluteFilePath());
    // The table matches the file when every row came from it; otherwise the rows after
    // the file's keep what they held, changed or not.
    if (read.records.size() == static_cast<std::size_t>(kBatchRows))
        setChanged(false);
    if (const std::string note = BatchReadNote(read); !note.empty())
        ShowMessage(this, MessageKind::Information, QString::fromStdString(note), true);
    return true;
}

bool BatchWindow::SaveSpeedBtnClick() {
    if (m_busy)
        return false;
    if (m_fileName == QLatin1String(kUntitled))
        return SaveAsClick();
    return saveTo(m_fileName);
}

bool BatchWindow::saveTo(const QString& path) {
    const BatchTable table = m_grid->table();
    if (const std::string cut = BatchCutText(BatchCellsCutOnSave(table, m_readBytes));
        !cut.empty() && ShowMessage(this, MessageKind::Confirmation, QString::fromStdString(cut),
                                    false) != MessageAnswer::Yes)
        return false;
    if (const FileWriteResult saved = SaveBatchTableFile(path.toStdString(), table, m_readBytes);
        !saved) {
        ShowMessage(this, MessageKind::Information,
                    QStringLiteral("Unable to save batch file\r%1: %2")
                        .arg(QDir::toNativeSeparators(path), QString::fromStdString(saved.error)),
                    true);
        return false;
    }
    // Only a table that was saved takes the file's name: after a failed Save As the
    // title still names the file the table belongs to.
    const QFileInfo info(path);
    m_folder = info.absolutePath();
    setFileName(info.absoluteFilePath());
    setChanged(false);
    return true;
}

bool BatchWindow::SaveAsClick() {
    if (m_busy)
        return false;
    const QString path = m_chooseSave(m_folder, QFileInfo(m_fileName).fileName());
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.exists() && !info.isWritable()) {
        ShowError(this,
                  QStringLiteral("The file %1 is read-only.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return saveTo(path);
}

void BatchWindow::Close1Click() {
    if (m_busy) {
        // The run stops first; the window closes (with its question) when it has.
        if (stopRunFirst())
            m_closeAfterRun = true;
        return;
    }
    if (m_changed && !m_cancelled) {
        const MessageAnswer answer =
            ShowMessage(this, MessageKind::Confirmation,
                        QStringLiteral("Do you want to save this batch file?"), false);
        if (answer == MessageAnswer::Cancel ||
            (answer == MessageAnswer::Yes && !SaveSpeedBtnClick()))
            return;
    }
    done(QDialog::Accepted);
}

void BatchWindow::CancelBtnClick() {
    if (!stopRunFirst())
        return;
    // Cancel (and Escape) would lose a changed table: ask as Close does.
    if (m_changed && !m_busy) {
        const MessageAnswer answer =
            ShowMessage(this, MessageKind::Confirmation,
                        QStringLiteral("Do you want to save this batch file?"), false);
        if (answer == MessageAnswer::Cancel ||
            (answer == MessageAnswer::Yes && !SaveSpeedBtnClick()))
            return;
    }
    m_cancelled = true;
    if (m_busy)
        m_closeAfterRun = true;
    else
        done(QDialog::Rejected);
}

void BatchWindow::reject() {
    CancelBtnClick();
}

void BatchWindow::closeEvent(QCloseEvent* event) {
    // The title bar's close button is Close, with its question.
    event->ignore();
    Close1Click();
}

void BatchWindow::pickFromAtlas(int row, BatchColumn column) {
    if (!m_input.atlas)
        return;
    const AtlasStatusResult status = AtlasStatus(*m_input.atlas, 0);
    if (status.count <= 0) {
        ShowUserMessage(this, status.message);
        return;
    }
    if (const std::optional<std::string> prefix = m_pickAtlas ? m_pickAtlas(this) : std::nullopt) {
        m_grid->setCellText(row, column, QString::fromStdString(*prefix));
        m_grid->moveTo(BatchMove::Right);
    }
    activateWindow();
    m_grid->setFocus();
    showColumnHint();
}
