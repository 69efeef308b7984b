#include "atlas/ui/AtlasViewWindow.h"

#include "atlas/AtlasView.h"
#include "atlas/ui/AtlasListFont.h"
#include "atlas/ui/AtlasListPanel.h"
#include "widgets/HelpContext.h"
#include "widgets/StatusLine.h"
#include "widgets/ValidatedEdit.h"
#include "widgets/WindowScale.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <optional>

namespace {

// The help page F1 opens here.
constexpr int kAtlasViewHelpContext = 64;

constexpr int kVisibleRows = 18;

} // namespace

AtlasViewWindow::AtlasViewWindow(const Atlas& atlas, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_atlas(atlas), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("TDispAtlasForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kAtlasViewHelpContext);
    ScaleWindow(this);
    const QFont listFont = AtlasListFont(font().pointSizeF());

    m_panel = new AtlasListPanel(QStringLiteral("AtlasListBox"), listFont,
                                 static_cast<int>(kAtlasViewLineWidth), kVisibleRows, this);
    m_incSearchEdit = m_panel->edit();
    m_incSearchEdit->installEventFilter(this);
    m_list = m_panel->list();
    m_incSearchEdit->setFixedWidth(
        QFontMetrics(listFont).horizontalAdvance(QString(20, QLatin1Char('W'))));

    m_toggleBtn = new QPushButton(this);
    m_toggleBtn->setObjectName(QStringLiteral("ViewToggleBtn"));
    m_toggleBtn->setStatusTip(
        QStringLiteral("Press to toggle between scroll by prefix and scroll by name"));
    m_toggleBtn->setAutoDefault(false);
    m_closeBtn = new QPushButton(QStringLiteral("&Close"), this);
    m_closeBtn->setObjectName(QStringLiteral("CloseBtn"));
    m_closeBtn->setAutoDefault(false);

    connect(m_incSearchEdit, &QLineEdit::textChanged, this, &AtlasViewWindow::IncSearchEditChange);
    connect(m_list, &QListWidget::currentRowChanged, this, &AtlasViewWindow::AtlasListBoxClick);
    connect(m_toggleBtn, &QPushButton::clicked, this, &AtlasViewWindow::ViewToggleBtnClick);
    connect(m_closeBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_toggleBtn);
    buttons->addStretch();
    buttons->addWidget(m_closeBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(Scaled(this, 2));
    layout->addWidget(m_panel);
    layout->addSpacing(Scaled(this, 8));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setMode(PrefixSearchMode::ByPrefix);
    m_panel->fitHeight();
    TrackFocusHints(this, statusLine);
    m_incSearchEdit->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.3);
}

void AtlasViewWindow::setMode(PrefixSearchMode mode) {
    m_mode = mode;
    const bool byPrefix = mode == PrefixSearchMode::ByPrefix;
    setWindowTitle(QString::fromStdString(AtlasViewCaption(mode, m_atlas.Count)));
    m_toggleBtn->setText(byPrefix ? QStringLiteral("&View by Name")
                                  : QStringLiteral("&View by Prefix"));
    m_panel->setLines(mode, QString::fromStdString(AtlasViewHeader(mode)),
                      AtlasViewLines(m_atlas, mode));
    m_copying = true;
    m_incSearchEdit->clear();
    m_copying = false;
    m_panel->selectLine(m_panel->lines().empty() ? -1 : 0);
}

void AtlasViewWindow::IncSearchEditChange(const QString& text) {
    if (m_copying)
        return;
    if (const auto row = IncrementalSearch(m_panel->lines(), text.toStdString()))
        m_panel->selectLine(static_cast<int>(*row));
}

void AtlasViewWindow::AtlasListBoxClick(int row) {
    const std::vector<std::string>& lines = m_panel->lines();
    if (row < 0 || row >= static_cast<int>(lines.size()))
        return;
    // Copying the field must not search again: with equal names that would jump back
    // to the first of them.
    m_copying = true;
    m_incSearchEdit->setText(QString::fromStdString(PrefixSearchField(lines[row], m_mode)));
    m_copying = false;
}

void AtlasViewWindow::ViewToggleBtnClick() {
    setMode(m_mode == PrefixSearchMode::ByPrefix ? PrefixSearchMode::ByName
                                                 : PrefixSearchMode::ByPrefix);
    m_incSearchEdit->setFocus(Qt::OtherFocusReason);
    if (m_statusLine && m_incSearchEdit->hasFocus())
        m_statusLine->SetStatusHint(m_incSearchEdit->statusTip());
}

bool AtlasViewWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_incSearchEdit || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const std::optional<int> row = m_panel->moveByKey(static_cast<QKeyEvent*>(event));
    if (!row)
        return QDialog::eventFilter(watched, event);
    AtlasListBoxClick(*row);
    m_incSearchEdit->selectAll();
    return true;
}
