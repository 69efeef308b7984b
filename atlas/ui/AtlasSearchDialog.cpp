#include "atlas/ui/AtlasSearchDialog.h"

#include "atlas/ui/AtlasListPanel.h"
#include "widgets/HelpContext.h"
#include "widgets/QtText.h"
#include "widgets/ReportFont.h"
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
constexpr int kPrefixSearchHelpContext = 60;

constexpr int kVisibleRows = 15;

} // namespace

AtlasSearchDialog::AtlasSearchDialog(const Atlas& atlas, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_atlas(atlas), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("PrefixSearchForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kPrefixSearchHelpContext);
    ScaleWindow(this);

    const QFont listFont = ReportFont(font().pointSizeF(), true);

    m_panel = new AtlasListPanel(QStringLiteral("PrefixListBox"), listFont,
                                 static_cast<int>(kPrefixSearchLineWidth), kVisibleRows, this);
    m_incSearchEdit = m_panel->edit();
    m_incSearchEdit->installEventFilter(this);
    m_list = m_panel->list();

    m_toggleBtn = new QPushButton(this);
    m_toggleBtn->setObjectName(QStringLiteral("SearchByToggleBtn"));
    m_toggleBtn->setStatusTip(
        QStringLiteral("Press to toggle between scroll by prefix and scroll by name"));
    m_toggleBtn->setAutoDefault(false);
    m_okBtn = new QPushButton(QStringLiteral("OK"), this);
    m_okBtn->setObjectName(QStringLiteral("OKBtn"));
    m_okBtn->setStatusTip(QStringLiteral("Press to use the highlighted entry"));
    m_okBtn->setDefault(true);
    m_cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    m_cancelBtn->setAutoDefault(false);

    connect(m_incSearchEdit, &QLineEdit::textChanged, this,
            &AtlasSearchDialog::IncSearchEditChange);
    connect(m_list, &QListWidget::currentRowChanged, this, &AtlasSearchDialog::PrefixListBoxClick);
    connect(m_toggleBtn, &QPushButton::clicked, this, &AtlasSearchDialog::SearchByToggleBtnClick);
    connect(m_okBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_toggleBtn);
    buttons->addStretch();
    buttons->addWidget(m_okBtn);
    buttons->addWidget(m_cancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(Scaled(this, 2));
    layout->addWidget(m_panel);
    layout->addSpacing(Scaled(this, 8));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setMode(PrefixSearchMode::ByPrefix);
    // Exactly fifteen whole lines show.
    m_panel->fitHeight();
    TrackFocusHints(this, statusLine);
    m_incSearchEdit->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.3);
}

QString AtlasSearchDialog::selectedPrefix() const {
    const int row = m_list->currentRow();
    const std::vector<std::string>& lines = m_panel->lines();
    if (row < 0 || row >= static_cast<int>(lines.size()))
        return {};
    return Q(PrefixSearchPrefix(lines[row], m_mode));
}

void AtlasSearchDialog::setMode(PrefixSearchMode mode) {
    m_mode = mode;
    const bool byPrefix = mode == PrefixSearchMode::ByPrefix;
    setWindowTitle(byPrefix ? QStringLiteral("Search Atlas by Prefix")
                            : QStringLiteral("Search Atlas by Name"));
    m_toggleBtn->setText(byPrefix ? QStringLiteral("&Search by Name")
                                  : QStringLiteral("&Search by Prefix"));
    m_panel->setLines(mode, Q(PrefixSearchHeader(mode)), PrefixSearchLines(m_atlas, mode));
    m_panel->selectLine(m_panel->lines().empty() ? -1 : 0);
    copySelectedField();
}

void AtlasSearchDialog::copySelectedField() {
    // Copying the field into the edit must not search again: with equal names that
    // would jump back to the first of them.
    const int row = m_list->currentRow();
    m_copying = true;
    m_incSearchEdit->setText(row >= 0 ? Q(PrefixSearchField(m_panel->lines()[row], m_mode))
                                      : QString());
    m_copying = false;
    m_incSearchEdit->selectAll();
}

void AtlasSearchDialog::IncSearchEditChange(const QString& text) {
    if (m_copying)
        return;
    const auto row = IncrementalSearch(m_panel->lines(), S(text));
    if (row)
        m_panel->selectLine(static_cast<int>(*row));
}

void AtlasSearchDialog::PrefixListBoxClick(int row) {
    if (row < 0)
        return;
    const int keep = m_list->verticalScrollBar()->value();
    copySelectedField();
    m_list->verticalScrollBar()->setValue(keep);
}

void AtlasSearchDialog::SearchByToggleBtnClick() {
    setMode(m_mode == PrefixSearchMode::ByPrefix ? PrefixSearchMode::ByName
                                                 : PrefixSearchMode::ByPrefix);
    m_incSearchEdit->setFocus(Qt::OtherFocusReason);
    m_incSearchEdit->selectAll();
    // The hint names the new mode even when the focus never left the edit.
    if (m_statusLine && m_incSearchEdit->hasFocus())
        m_statusLine->SetStatusHint(m_incSearchEdit->statusTip());
}

bool AtlasSearchDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_incSearchEdit || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (m_list->count() == 0)
        return QDialog::eventFilter(watched, event);
    if (m_panel->moveByKey(key)) {
        copySelectedField();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter first brings the selected line into view; when it is in view, Enter
        // takes it (the default button).
        const int row = m_list->currentRow();
        const int top = m_list->verticalScrollBar()->value();
        if (row >= 0 && (row < top || row >= top + m_panel->visibleLines())) {
            m_panel->scrollToShow(row);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
