#include "atlas/ui/AtlasListPanel.h"

#include "widgets/ValidatedEdit.h"
#include "widgets/WindowScale.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QString IncSearchHint(PrefixSearchMode mode) {
    QString hint = QStringLiteral("Start typing the , or use the scrollbar to find an entry");
    hint.insert(17, mode == PrefixSearchMode::ByPrefix ? QStringLiteral("prefix")
                                                       : QStringLiteral("name"));
    return hint;
}

} // namespace

AtlasListPanel::AtlasListPanel(const QString& listName, const QFont& font, int lineWidth,
                               int visibleRows, QWidget* parent)
    : QWidget(parent), m_visibleRows(visibleRows) {
    m_edit = new ValidatedEdit(this);
    m_edit->setObjectName(QStringLiteral("IncSearchEdit"));
    m_edit->setFont(font);
    m_edit->setMaxChars(17);
    m_edit->setEnterToTab(false);

    m_header = new QLabel(this);
    m_header->setObjectName(QStringLiteral("ListHeaderLabel"));
    m_header->setFont(font);
    m_list = new QListWidget(this);
    m_list->setObjectName(listName);
    m_list->setStatusTip(QStringLiteral("Scroll to find an entry"));
    m_list->setFont(font);
    m_list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setUniformItemSizes(true);
    const QFontMetrics metrics(font);
    const int listWidth = metrics.horizontalAdvance(QString(lineWidth + 1, QLatin1Char('W'))) +
                          m_list->verticalScrollBar()->sizeHint().width() +
                          2 * m_list->frameWidth();
    m_list->setFixedSize(listWidth,
                         metrics.lineSpacing() * visibleRows + 2 * m_list->frameWidth() + 4);
    m_edit->setFixedWidth(listWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(Scaled(this, 2));
    layout->addWidget(m_edit);
    layout->addSpacing(Scaled(this, 4));
    layout->addWidget(m_header);
    layout->addWidget(m_list);
}

void AtlasListPanel::setLines(PrefixSearchMode mode, const QString& header,
                              std::vector<std::string> lines) {
    m_header->setText(header);
    m_edit->setStatusTip(IncSearchHint(mode));
    m_edit->setCharCase(mode == PrefixSearchMode::ByPrefix ? ValidatedEdit::CharCase::Upper
                                                           : ValidatedEdit::CharCase::Normal);
    m_lines = std::move(lines);
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const std::string& line : m_lines)
        m_list->addItem(QString::fromStdString(line));
}

void AtlasListPanel::selectLine(int row) {
    const QSignalBlocker block(m_list);
    m_list->setCurrentRow(row);
    if (row >= 0)
        scrollToShow(row);
}

void AtlasListPanel::scrollToShow(int row) {
    m_list->verticalScrollBar()->setValue(
        static_cast<int>(PrefixSearchTopLine(static_cast<std::size_t>(row))));
}

int AtlasListPanel::visibleLines() const {
    const int rowHeight = m_list->sizeHintForRow(0);
    return rowHeight > 0 ? qMax(1, m_list->viewport()->height() / rowHeight) : m_visibleRows;
}

void AtlasListPanel::fitHeight() {
    if (m_list->count() > 0)
        m_list->setFixedHeight(m_list->sizeHintForRow(0) * m_visibleRows +
                               2 * m_list->frameWidth());
}

std::optional<int> AtlasListPanel::moveByKey(const QKeyEvent* key) {
    const int count = m_list->count();
    const bool plain =
        (key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) == 0;
    if (count == 0 || !plain)
        return std::nullopt;
    const int current = qMax(0, m_list->currentRow());
    int target = 0;
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
        return std::nullopt;
    }
    const int row = qBound(0, target, count - 1);
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentRow(row);
    }
    m_list->scrollToItem(m_list->item(row));
    return row;
}
