#include "atlas/ui/AtlasSearchDialog.h"

#include "widgets/HelpContext.h"
#include "widgets/HelpContexts.h"
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

constexpr int kVisibleRows = 15;

QString IncSearchHint(PrefixSearchMode mode) {
    QString hint = QStringLiteral("Start typing the , or use the scrollbar to find an entry");
    hint.insert(17, mode == PrefixSearchMode::ByPrefix ? QStringLiteral("prefix")
                                                       : QStringLiteral("name"));
    return hint;
}

} // namespace

AtlasSearchDialog::AtlasSearchDialog(const Atlas& atlas, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_atlas(atlas), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("PrefixSearchForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kPrefixSearchHelpContext);
    ScaleWindow(this);

    const QFont listFont = ReportFont(font().pointSizeF(), true);

    m_incSearchEdit = new ValidatedEdit(this);
    m_incSearchEdit->setObjectName(QStringLiteral("IncSearchEdit"));
    m_incSearchEdit->setFont(listFont);
    m_incSearchEdit->setMaxChars(17);
    m_incSearchEdit->setEnterToTab(false);
    m_incSearchEdit->installEventFilter(this);

    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("ListHeaderLabel"));
    m_header->setFont(listFont);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("PrefixListBox"));
    m_list->setStatusTip(QStringLiteral("Scroll to find an entry"));
    m_list->setFont(listFont);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setUniformItemSizes(true);
    const QFontMetrics metrics(listFont);
    const int listWidth =
        metrics.horizontalAdvance(QString(kPrefixSearchLineWidth + 1, QLatin1Char('W'))) +
        m_list->verticalScrollBar()->sizeHint().width() + 2 * m_list->frameWidth();
    m_list->setFixedSize(listWidth,
                         metrics.lineSpacing() * kVisibleRows + 2 * m_list->frameWidth() + 4);
    m_incSearchEdit->setFixedWidth(listWidth);

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
    layout->addWidget(m_incSearchEdit);
    layout->addSpacing(Scaled(this, 4));
    layout->addWidget(m_header);
    layout->setSpacing(Scaled(this, 2));
    layout->addWidget(m_list);
    layout->addSpacing(Scaled(this, 8));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setMode(PrefixSearchMode::ByPrefix);
    // Exactly fifteen whole lines show.
    if (m_list->count() > 0)
        m_list->setFixedHeight(m_list->sizeHintForRow(0) * kVisibleRows + 2 * m_list->frameWidth());
    TrackFocusHints(this, statusLine);
    m_incSearchEdit->setFocus();
    adjustSize();
    CentreOnScreen(this, 0.3);
}

QString AtlasSearchDialog::selectedPrefix() const {
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_lines.size()))
        return {};
    return Q(PrefixSearchPrefix(m_lines[row], m_mode));
}

void AtlasSearchDialog::setMode(PrefixSearchMode mode) {
    m_mode = mode;
    const bool byPrefix = mode == PrefixSearchMode::ByPrefix;
    setWindowTitle(byPrefix ? QStringLiteral("Search Atlas by Prefix")
                            : QStringLiteral("Search Atlas by Name"));
    m_toggleBtn->setText(byPrefix ? QStringLiteral("&Search by Name")
                                  : QStringLiteral("&Search by Prefix"));
    m_header->setText(Q(PrefixSearchHeader(mode)));
    m_incSearchEdit->setStatusTip(IncSearchHint(mode));
    m_incSearchEdit->setCharCase(byPrefix ? ValidatedEdit::CharCase::Upper
                                          : ValidatedEdit::CharCase::Normal);

    m_lines = PrefixSearchLines(m_atlas, mode);
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const std::string& line : m_lines)
            m_list->addItem(Q(line));
    }
    selectLine(m_lines.empty() ? -1 : 0);
    copySelectedField();
}

void AtlasSearchDialog::selectLine(int row) {
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(row);
    if (row >= 0)
        scrollToShow(row);
}

void AtlasSearchDialog::scrollToShow(int row) {
    // The selected line becomes the third visible line.
    m_list->verticalScrollBar()->setValue(
        static_cast<int>(PrefixSearchTopLine(static_cast<std::size_t>(row))));
}

int AtlasSearchDialog::visibleLines() const {
    const int rowHeight = m_list->sizeHintForRow(0);
    return rowHeight > 0 ? qMax(1, m_list->viewport()->height() / rowHeight) : kVisibleRows;
}

void AtlasSearchDialog::copySelectedField() {
    // Copying the field into the edit must not search again: with equal names that
    // would jump back to the first of them.
    const int row = m_list->currentRow();
    m_copying = true;
    m_incSearchEdit->setText(row >= 0 ? Q(PrefixSearchField(m_lines[row], m_mode)) : QString());
    m_copying = false;
    m_incSearchEdit->selectAll();
}

void AtlasSearchDialog::IncSearchEditChange(const QString& text) {
    if (m_copying)
        return;
    const auto row = IncrementalSearch(m_lines, S(text));
    if (row)
        selectLine(static_cast<int>(*row));
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
    const int count = m_list->count();
    if (count == 0)
        return QDialog::eventFilter(watched, event);
    const bool plain =
        (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    const int current = qMax(0, m_list->currentRow());
    std::optional<int> target;
    if (plain) {
        switch (key->key()) {
        case Qt::Key_Up:
            target = current - 1;
            break;
        case Qt::Key_Down:
            target = current + 1;
            break;
        case Qt::Key_PageUp:
            target = current - (visibleLines() - 1);
            break;
        case Qt::Key_PageDown:
            target = current + (visibleLines() - 1);
            break;
        case Qt::Key_Home:
            target = 0;
            break;
        case Qt::Key_End:
            target = count - 1;
            break;
        default:
            break;
        }
    }
    if (target) {
        const int row = qBound(0, *target, count - 1);
        {
            const QSignalBlocker block(m_list);
            m_list->setCurrentRow(row);
        }
        m_list->scrollToItem(m_list->item(row));
        copySelectedField();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // Enter first brings the selected line into view; when it is in view, Enter
        // takes it (the default button).
        const int row = m_list->currentRow();
        const int top = m_list->verticalScrollBar()->value();
        if (row >= 0 && (row < top || row >= top + visibleLines())) {
            scrollToShow(row);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
