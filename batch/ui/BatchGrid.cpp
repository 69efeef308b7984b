#include "batch/ui/BatchGrid.h"

#include "widgets/DateEdit.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>

namespace {

/// A cell's editor: the column's key filter; its text is checked only by the run.
class BatchCellEdit : public ValidatedEdit {
public:
    BatchCellEdit(BatchColumn column, QWidget* parent) : ValidatedEdit(parent) {
        const BatchCellRule rule = BatchCellRuleOf(column);
        setAllowedCharacters(QString::fromStdString(rule.allowed));
        setCharCase(rule.upperCase ? CharCase::Upper : CharCase::Normal);
        setMaxChars(rule.maxChars);
        setEnterToTab(false);
    }

protected:
    // A refused character is dropped before it reaches the field, so it never
    // replaces the selected text (a new editor starts with its text selected).
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        if (text.size() == 1 && text[0].isPrint() && !accepts(applyCase(text[0]))) {
            event->accept();
            return;
        }
        ValidatedEdit::keyPressEvent(event);
    }
};

/// The date cell's editor: the fixed mask of the date fields, without their check.
class BatchDateEdit : public DateEdit {
public:
    BatchDateEdit(const DateConventions& dates, QWidget* parent) : DateEdit(parent) {
        setDateConventions(dates);
        setEnterToTab(false);
    }
    bool Validate() override { return true; }
};

BatchColumn ColumnOf(const QModelIndex& index) {
    return static_cast<BatchColumn>(index.column());
}

} // namespace

BatchCellDelegate::BatchCellDelegate(const DateConventions& dates, QObject* parent)
    : QStyledItemDelegate(parent), m_dates(dates) {}

QWidget* BatchCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    emit editingStarted();
    QLineEdit* editor = nullptr;
    if (ColumnOf(index) == BatchColumn::Date)
        editor = new BatchDateEdit(m_dates, parent);
    else
        editor = new BatchCellEdit(ColumnOf(index), parent);
    editor->setFrame(false);
    return editor;
}

void BatchCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = static_cast<QLineEdit*>(editor);
    const QString text = index.data(Qt::EditRole).toString();
    if (auto* date = dynamic_cast<DateEdit*>(editor); date && text.size() != 8)
        edit->setText(date->blankText());
    else
        edit->setText(text);
}

void BatchCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const {
    QString text = static_cast<QLineEdit*>(editor)->text();
    // A date holding only blanks and separators is no date.
    if (auto* date = dynamic_cast<DateEdit*>(editor); date && text == date->blankText())
        text.clear();
    model->setData(index, text, Qt::EditRole);
}

void BatchCellDelegate::initStyleOption(QStyleOptionViewItem* option,
                                        const QModelIndex& index) const {
    QStyledItemDelegate::initStyleOption(option, index);
    // An empty date shows the blank mask, as the date fields do.
    if (ColumnOf(index) == BatchColumn::Date && option->text.isEmpty())
        option->text = QString::fromStdString(BlankDateText(m_dates));
}

bool BatchCellDelegate::eventFilter(QObject* object, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(object);
    if (!edit || event->type() != QEvent::KeyPress)
        return QStyledItemDelegate::eventFilter(object, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool noSelection = !edit->hasSelectedText();
    bool leaves = false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_Home:
    case Qt::Key_Insert:
    case Qt::Key_F7:
    case Qt::Key_F8:
    case Qt::Key_Escape:
        leaves = true;
        break;
    case Qt::Key_Right:
        leaves = noSelection && edit->cursorPosition() == edit->text().size();
        break;
    case Qt::Key_Left:
        leaves = noSelection && edit->cursorPosition() == 0;
        break;
    default:
        break;
    }
    if (!leaves)
        return QStyledItemDelegate::eventFilter(object, event);
    if (key->key() != Qt::Key_Escape)
        emit commitData(edit);
    emit closeEditor(edit, QAbstractItemDelegate::NoHint);
    emit keyAfterEdit(key->key(), key->modifiers());
    return true;
}

BatchGrid::BatchGrid(const DateConventions& dates, QWidget* parent)
    : QTableWidget(kBatchRows, kBatchColumns + 1, parent),
      m_delegate(new BatchCellDelegate(dates, this)) {
    setObjectName(QStringLiteral("SG"));
    setItemDelegate(m_delegate);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    buildHeaders(dates);
    for (int r = 0; r < kBatchRows; ++r)
        for (int c = 0; c <= kBatchColumns; ++c) {
            auto* item = new QTableWidgetItem;
            if (c == kStatusColumn) {
                item->setFlags(Qt::ItemIsEnabled);
                item->setTextAlignment(Qt::AlignCenter);
                item->setBackground(palette().button());
            }
            setItem(r, c, item);
        }
    setColumnHidden(kStatusColumn, true);
    setCurrentCell(0, 0);

    connect(m_delegate, &BatchCellDelegate::editingStarted, this,
            [this] { showStatusColumn(false); });
    connect(m_delegate, &BatchCellDelegate::keyAfterEdit, this,
            [this](int key, Qt::KeyboardModifiers modifiers) {
                setFocus();
                // Escape in a cell only ends the edit, dropping what was typed.
                if (key != Qt::Key_Escape)
                    handleKey(key, modifiers);
            });
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_loading || item->column() >= kBatchColumns)
            return;
        showStatusColumn(false);
        emit tableEdited();
    });
    // The status column is never the current cell.
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int previousRow, int previousColumn) {
                if (column == kStatusColumn)
                    setCurrentCell(row, previousColumn >= 0 && previousRow >= 0
                                            ? previousColumn
                                            : kBatchColumns - 1);
            });
}

void BatchGrid::buildHeaders(const DateConventions& dates) {
    QFont bold = font();
    bold.setBold(true);
    for (int c = 0; c < kBatchColumns; ++c) {
        const auto lines = BatchColumnHeader(static_cast<BatchColumn>(c), dates);
        auto* header = new QTableWidgetItem(QString::fromStdString(lines[0] + "\n" + lines[1]));
        header->setFont(bold);
        if (static_cast<BatchColumn>(c) == BatchColumn::Notes) {
            header->setText(QStringLiteral("  ") + header->text());
            header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        setHorizontalHeaderItem(c, header);
    }
    auto* status = new QTableWidgetItem(QStringLiteral("OK\n?"));
    status->setFont(bold);
    setHorizontalHeaderItem(kStatusColumn, status);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { border: none; border-bottom: 1px solid black;"
                       " border-right: 1px solid palette(mid); padding: 2px; }"));
    verticalHeader()->setSectionsClickable(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
}

BatchTable BatchGrid::table() const {
    BatchTable table;
    for (int r = 0; r < kBatchRows; ++r)
        for (int c = 0; c < kBatchColumns; ++c)
            table.Rows[static_cast<std::size_t>(r)].Cell(static_cast<BatchColumn>(c)) =
                item(r, c)->text().toStdString();
    return table;
}

void BatchGrid::setTable(const BatchTable& table) {
    m_loading = true;
    for (int r = 0; r < kBatchRows; ++r)
        for (int c = 0; c < kBatchColumns; ++c)
            item(r, c)->setText(QString::fromStdString(
                table.Rows[static_cast<std::size_t>(r)].Cell(static_cast<BatchColumn>(c))));
    m_loading = false;
}

BatchColumn BatchGrid::currentBatchColumn() const {
    return static_cast<BatchColumn>(std::clamp(currentColumn(), 0, kBatchColumns - 1));
}

void BatchGrid::setCellText(int row, BatchColumn column, const QString& text) {
    if (m_readOnly || row < 0 || row >= kBatchRows)
        return;
    item(row, static_cast<int>(column))->setText(text);
}

void BatchGrid::moveTo(BatchMove move) {
    const BatchCellPosition from{currentRow(), static_cast<int>(currentBatchColumn())};
    const BatchCellPosition to = MoveBatchCell(from, move);
    setCurrentCell(to.row, to.column);
}

void BatchGrid::setRowStatus(int row, BatchRowStatus status, const QString& reason) {
    QTableWidgetItem* cell = item(row, kStatusColumn);
    cell->setText(QString::fromStdString(BatchStatusText(status)));
    QFont font = this->font();
    font.setBold(status == BatchRowStatus::Refused);
    cell->setFont(font);
    cell->setForeground(status == BatchRowStatus::Refused ? QBrush(Qt::red)
                                                          : palette().buttonText());
    cell->setToolTip(reason);
    cell->setStatusTip(reason);
}

void BatchGrid::showStatusColumn(bool shown) {
    if (shown == statusColumnShown())
        return;
    // Notes gives the status column its room and takes it back (a hidden column has
    // no width of its own).
    const int notes = static_cast<int>(BatchColumn::Notes);
    setColumnWidth(notes, std::max(m_statusWidth,
                                   columnWidth(notes) + (shown ? -m_statusWidth : m_statusWidth)));
    setColumnHidden(kStatusColumn, !shown);
    if (shown)
        setColumnWidth(kStatusColumn, m_statusWidth);
}

void BatchGrid::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    setEditTriggers(readOnly ? QAbstractItemView::NoEditTriggers
                             : QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                                   QAbstractItemView::EditKeyPressed);
}

int BatchGrid::fullHeight() const {
    int height = horizontalHeader()->sizeHint().height() + 2 * frameWidth();
    for (int r = 0; r < kBatchRows; ++r)
        height += rowHeight(r);
    return height;
}

void BatchGrid::keyPressEvent(QKeyEvent* event) {
    if (state() != QAbstractItemView::EditingState && handleKey(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool BatchGrid::handleKey(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    const int row = currentRow();
    const BatchColumn column = currentBatchColumn();
    const bool terminal = column == BatchColumn::TerminalA || column == BatchColumn::TerminalB;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
        moveTo(BatchMove::Right);
        return true;
    case Qt::Key_Left:
        moveTo(BatchMove::Left);
        return true;
    case Qt::Key_Up:
        moveTo(BatchMove::Up);
        return true;
    case Qt::Key_Down:
        moveTo(BatchMove::Down);
        return true;
    case Qt::Key_PageUp:
        moveTo(BatchMove::PageUp);
        return true;
    case Qt::Key_Home:
        moveTo(BatchMove::Home);
        return true;
    case Qt::Key_Insert:
        if (row > 0)
            setCellText(row, column, item(row - 1, static_cast<int>(column))->text());
        return true;
    case Qt::Key_F7:
        if (terminal && !m_readOnly) {
            setCellText(row, column, QStringLiteral("DEFAULT"));
            moveTo(BatchMove::Right);
        }
        return true;
    case Qt::Key_F8:
        if (terminal && !m_readOnly)
            emit atlasRequested(row, column);
        return true;
    case Qt::Key_Delete:
        setCellText(row, column, QString());
        return true;
    case Qt::Key_Escape:
        emit escapePressed();
        return true;
    default:
        return false;
    }
}
