#include "atlas/ui/AtlasViewWindow.h"

#include "atlas/AtlasView.h"
#include "atlas/ui/AtlasListFont.h"
#include "widgets/HelpContext.h"
#include "widgets/HelpContexts.h"
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

constexpr int kVisibleRows = 18;

QString IncSearchHint(PrefixSearchMode mode) {
    QString hint = QStringLiteral("Start typing the , or use the scrollbar to find an entry");
    hint.insert(17, mode == PrefixSearchMode::ByPrefix ? QStringLiteral("prefix")
                                                       : QStringLiteral("name"));
    return hint;
}

} // namespace

AtlasViewWindow::AtlasViewWindow(const Atlas& atlas, StatusLine* statusLine, QWidget* parent)
    : QDialog(parent), m_atlas(atlas), m_statusLine(statusLine) {
    setObjectName(QStringLiteral("TDispAtlasForm"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    SetHelpContext(this, kAtlasViewHelpContext);
    ScaleWindow(this);
    const QFont listFont = AtlasListFont(font().pointSizeF());

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
    m_list->setObjectName(QStringLiteral("AtlasListBox"));
    m_list->setStatusTip(QStringLiteral("Scroll to find an entry"));
    m_list->setFont(listFont);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setUniformItemSizes(true);
    const QFontMetrics metrics(listFont);
    const int listWidth =
        metrics.horizontalAdvance(QString(kAtlasViewLineWidth + 1, QLatin1Char('W'))) +
        m_list->verticalScrollBar()->sizeHint().width() + 2 * m_list->frameWidth();
    m_list->setFixedSize(listWidth,
                         metrics.lineSpacing() * kVisibleRows + 2 * m_list->frameWidth() + 4);
    m_incSearchEdit->setFixedWidth(metrics.horizontalAdvance(QString(20, QLatin1Char('W'))));

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
    layout->addWidget(m_incSearchEdit);
    layout->addSpacing(Scaled(this, 4));
    layout->addWidget(m_header);
    layout->setSpacing(Scaled(this, 2));
    layout->addWidget(m_list);
    layout->addSpacing(Scaled(this, 8));
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setMode(PrefixSearchMode::ByPrefix);
    if (m_list->count() > 0)
        m_list->setFixedHeight(m_list->sizeHintForRow(0) * kVisibleRows + 2 * m_list->frameWidth());
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
    m_header->setText(QString::fromStdString(AtlasViewHeader(mode)));
    m_incSearchEdit->setStatusTip(IncSearchHint(mode));
    m_incSearchEdit->setCharCase(byPrefix ? ValidatedEdit::CharCase::Upper
                                          : ValidatedEdit::CharCase::Normal);

    m_lines = AtlasViewLines(m_atlas, mode);
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const std::string& line : m_lines)
            m_list->addItem(QString::fromStdString(line));
    }
    m_copying = true;
    m_incSearchEdit->clear();
    m_copying = false;
    selectLine(m_lines.empty() ? -1 : 0);
}

void AtlasViewWindow::selectLine(int row) {
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(row);
    if (row >= 0)
        m_list->verticalScrollBar()->setValue(
            static_cast<int>(PrefixSearchTopLine(static_cast<std::size_t>(row))));
}

int AtlasViewWindow::visibleLines() const {
    const int rowHeight = m_list->sizeHintForRow(0);
    return rowHeight > 0 ? qMax(1, m_list->viewport()->height() / rowHeight) : kVisibleRows;
}

void AtlasViewWindow::IncSearchEditChange(const QString& text) {
    if (m_copying)
        return;
    if (const auto row = IncrementalSearch(m_lines, text.toStdString()))
        selectLine(static_cast<int>(*row));
}

void AtlasViewWindow::AtlasListBoxClick(int row) {
    if (row < 0 || row >= static_cast<int>(m_lines.size()))
        return;
    // Copying the field must not search again: with equal names that would jump back
    // to the first of them.
    m_copying = true;
    m_incSearchEdit->setText(QString::fromStdString(PrefixSearchField(m_lines[row], m_mode)));
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
    const auto* key = static_cast<QKeyEvent*>(event);
    const int count = m_list->count();
    const bool plain =
        (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (count == 0 || !plain)
        return QDialog::eventFilter(watched, event);
    const int current = qMax(0, m_list->currentRow());
    std::optional<int> target;
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
        return QDialog::eventFilter(watched, event);
    }
    const int row = qBound(0, *target, count - 1);
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(row);
    }
    m_list->scrollToItem(m_list->item(row));
    AtlasListBoxClick(row);
    m_incSearchEdit->selectAll();
    return true;
}
