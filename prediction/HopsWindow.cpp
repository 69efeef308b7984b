#include "prediction/HopsWindow.h"

#include "prediction/ChildWindowParts.h"
#include "prediction/HeaderLinesDelegate.h"
#include "prediction/PathInfoPanel.h"
#include "prediction/ReportPrinting.h"
#include "prediction/TextReportFile.h"
#include "report/PredictionReport.h"
#include "report/ResultsLayout.h"
#include "widgets/HelpContext.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"
#include "widgets/StatusLine.h"
#include "widgets/WindowScale.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The help page F1 opens here.
constexpr int kHopsHelpContext = 69;

const char* const kCloseHint =
    "Close Advanced Prediction Window and return to Hopscope Prediction Window";

/// Prints the pages in "Courier New", regular, sized so that 101 columns fill the
/// printable width, each line the font's height + 2 apart. False when the job did not
/// start or was aborted.
bool PrintHopsLines(QPrinter& printer, const std::vector<std::string>& lines,
                    std::size_t columnHeaderIndex, const QString& title) {
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSize(ReportFontPoints(page.width() / printer.resolution()));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font());
    const double lineHeight = metrics.height() + 2;
    const auto pages =
        HopsPages(lines, columnHeaderIndex, HopsLinesPerPage(page.height(), lineHeight));
    bool first = true;
    for (const std::vector<std::string>& pageLines : pages) {
        if (!first && !printer.newPage())
            break;
        first = false;
        double y = 0;
        for (const std::string& line : pageLines) {
            QApplication::processEvents();
            if (printer.printerState() == QPrinter::Aborted)
                break;
            painter.drawText(QPointF(0, y + metrics.ascent()), Q(line));
            y += lineHeight;
        }
    }
    const bool aborted = printer.printerState() == QPrinter::Aborted;
    painter.end();
    return !aborted;
}

} // namespace

HopsWindow::HopsWindow(PredictionResultsInput input, PathKind kind, QWidget* parent)
    : ChildWindow(parent), m_input(std::move(input)), m_pathKind(kind),
      m_rules(HopsRulesOf(m_input.settings)), m_printDirectory(m_input.printDirectory) {
    setObjectName(QStringLiteral("TPredHopsForm"));
    SetHelpContext(this, kHopsHelpContext);
    m_pathInfoOpener = [this](QWidget* parent) {
        PathInfoPanel info(m_input.request, m_input.dates, true, parent);
        info.exec();
    };
    buildControls();
    const QSize screen = ScreenSize(this);
    resize(qRound(screen.width() * 0.9), qRound(screen.height() * 0.88));
    CentreOnScreen(this, 0.5);
    Rebuild();
}

void HopsWindow::buildControls() {
    QMenuBar* bar = makeMenuBar(
        {QStringLiteral("&Print"), QStringLiteral("Print the advanced predictions"),
         QStringLiteral("Save as &Text..."), QStringLiteral("SaveAsText1"),
         QStringLiteral("Save the advanced predictions as a text file"),
         QString::fromLatin1(kCloseHint)},
        [this] { Print1Click(); }, [this] { SaveAsText1Click(); });
    QAction* info = bar->addAction(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("Info1"));
    info->setStatusTip(QStringLiteral("Display the Path Information Window"));
    connect(info, &QAction::triggered, this, &HopsWindow::Info1Click);

    m_headerList = MakeHeaderList(this, m_headerDelegate);
    m_topLabel = new QLabel(this);
    m_topLabel->setObjectName(QStringLiteral("HopsListTopLabel"));
    m_hopsList = new QListWidget(this);
    m_hopsList->setObjectName(QStringLiteral("HopsListBox"));
    m_hopsList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hopsList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_hopsList->installEventFilter(this);
    m_footerLabel = new QLabel(this);
    m_footerLabel->setObjectName(QStringLiteral("HopsListFooterLabel"));

    m_pathToggle = new QPushButton(this);
    m_pathToggle->setObjectName(QStringLiteral("PathToggleBtn"));
    m_pathToggle->setStatusTip(
        QStringLiteral("Toggle between short path and long path predictions"));
    connect(m_pathToggle, &QPushButton::clicked, this, &HopsWindow::PathToggleBtnClick);
    m_groupToggle = new QPushButton(this);
    m_groupToggle->setObjectName(QStringLiteral("GroupToggleBtn"));
    m_groupToggle->setStatusTip(
        QStringLiteral("Toggle grouping between prediction frequency and time of day"));
    connect(m_groupToggle, &QPushButton::clicked, this, &HopsWindow::GroupToggleBtnClick);
    m_closeButton = new QPushButton(QStringLiteral("&Close"), this);
    m_closeButton->setObjectName(QStringLiteral("CloseBtn"));
    m_closeButton->setStatusTip(QString::fromLatin1(kCloseHint));
    connect(m_closeButton, &QPushButton::clicked, this, &QDialog::reject);
    const QFontMetrics metrics = fontMetrics();
    const int pad = Scaled(this, 16);
    m_groupToggle->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("Group by FrequencyXX")) +
                                 pad);
    m_pathToggle->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("Show Short PathXX")) +
                                pad);
    m_closeButton->setFixedWidth(m_pathToggle->width());
    for (QPushButton* button : {m_pathToggle, m_groupToggle, m_closeButton})
        button->setAutoDefault(false);

    QStatusBar* statusBar = makeStatusBar();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pathToggle);
    buttons->addWidget(m_groupToggle);
    buttons->addWidget(m_closeButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
    layout->addWidget(m_headerList);
    layout->addWidget(m_topLabel);
    layout->addWidget(m_hopsList, 1);
    layout->addWidget(m_footerLabel);
    layout->addLayout(buttons);
    layout->addWidget(statusBar);
}

void HopsWindow::Rebuild() {
    const std::string date = FormatDateText(true, m_input.request.Date, m_input.dates);
    setWindowTitle(Q(HopsCaption(m_pathKind, date)));
    m_pathToggle->setText(m_pathKind == PathKind::Short ? QStringLiteral("Show Long &Path")
                                                        : QStringLiteral("Show Short &Path"));
    m_groupToggle->setText(m_grouping == HopsGrouping::ByTime
                               ? QStringLiteral("&Group by Frequency")
                               : QStringLiteral("&Group by Time"));
    const PathResult& path = m_input.result.Paths[static_cast<int>(m_pathKind)];
    FillHeaderList(m_headerList, m_headerDelegate, path);
    m_topLabel->setText(Q(HopsColumnHeader(m_input.request.Zone.TimeZoneLabel)));
    m_footerLabel->setText(Q(HopsFooter(m_rules)));
    m_list = BuildHopsList(HopsSourceOf(m_input.result, m_pathKind, m_input.request.Zone), m_rules,
                           m_grouping);
    fillList();
    m_hopsList->setEnabled(m_list.enabled);
    m_groupToggle->setEnabled(m_list.enabled && !m_busy);
    if (m_list.enabled) {
        m_hopsList->setCurrentRow(0);
        m_hopsList->setFocus();
    }
}

void HopsWindow::fillList() {
    // Lines wider than the list (less its scroll bar) are shortened on screen only.
    const QFontMetrics metrics(m_hopsList->font());
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int room = m_hopsList->width() - 2 * m_hopsList->frameWidth() - scrollBar - 6;
    const int row = m_hopsList->currentRow();
    m_hopsList->clear();
    for (const std::string& line : m_list.lines)
        m_hopsList->addItem(Q(FitHopsLine(line, [&](const std::string& text) {
            return metrics.horizontalAdvance(Q(text)) <= room;
        })));
    if (row >= 0 && row < m_hopsList->count())
        m_hopsList->setCurrentRow(row);
}

void HopsWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    const QFont font = FittedReportFont(this, width() - Scaled(this, 40));
    SetHeaderListFont(m_headerList, font);
    for (QWidget* w : std::initializer_list<QWidget*>{m_topLabel, m_hopsList, m_footerLabel})
        w->setFont(font);
    fillList();
}

std::vector<std::string> HopsWindow::reportLines() const {
    const PathResult& path = m_input.result.Paths[static_cast<int>(m_pathKind)];
    const std::string date = FormatDateText(true, m_input.request.Date, m_input.dates);
    return HopsReportLines(
        m_list, path.HeaderLines, path.Geometry.IsPolar, HopsCaption(m_pathKind, date),
        HopsColumnHeader(m_input.request.Zone.TimeZoneLabel), HopsFooter(m_rules));
}

bool HopsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_hopsList && event->type() == QEvent::KeyPress && !m_busy) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_C:
            reject();
            return true;
        case Qt::Key_G:
            if (m_groupToggle->isEnabled())
                GroupToggleBtnClick();
            return true;
        case Qt::Key_P:
            PathToggleBtnClick();
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void HopsWindow::enableControls(bool enabled) {
    m_pathToggle->setEnabled(enabled);
    m_closeButton->setEnabled(enabled);
    m_groupToggle->setEnabled(enabled && m_list.enabled);
    m_print->setEnabled(enabled);
    m_save->setEnabled(enabled);
}

void HopsWindow::PathToggleBtnClick() {
    m_pathKind = m_pathKind == PathKind::Short ? PathKind::Long : PathKind::Short;
    Rebuild();
}

void HopsWindow::GroupToggleBtnClick() {
    m_grouping =
        m_grouping == HopsGrouping::ByTime ? HopsGrouping::ByFrequency : HopsGrouping::ByTime;
    Rebuild();
}

void HopsWindow::Print1Click() {
    QPrinter printer(QPrinter::HighResolution);
    if (!AskPrinter(printer, this))
        return;
    setBusy(true);
    // The column header is the eighth line: after the caption and the header lines.
    constexpr std::size_t kColumnHeaderIndex = 7;
    const bool ok = PrintHopsLines(printer, reportLines(), kColumnHeaderIndex, windowTitle());
    setBusy(false);
    if (!ok && printer.printerState() != QPrinter::Aborted)
        ShowError(this, QStringLiteral("The advanced predictions could not be printed: the "
                                       "print job did not start."));
}

void HopsWindow::SaveAsText1Click() {
    if (const std::optional<QString> path = AskTextReportFile(this, m_printDirectory))
        saveReportTo(*path);
}

bool HopsWindow::saveReportTo(const QString& path) {
    const std::optional<TextWriteMode> mode = AskTextWriteMode(path, this);
    if (!mode)
        return false;
    m_printDirectory = QFileInfo(path).absolutePath();
    setBusy(true);
    const std::string text = JoinReportLines(reportLines());
    const TextWriteResult written =
        WriteTextReport(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())), *mode);
    setBusy(false);
    if (!written.ok)
        ShowError(this, written.message);
    return written.ok;
}

void HopsWindow::Info1Click() {
    if (m_pathInfoOpener)
        m_pathInfoOpener(this);
}
