#pragma once

#include "batch/BatchRowChecks.h"
#include "batch/BatchTable.h"
#include "batch/BatchTableText.h"
#include "core/Dates.h"

#include <QStyledItemDelegate>
#include <QTableWidget>

/// The cell editors of the batch table: each column's key filter (allowed
/// characters, upper case, capacity; typed and pasted text alike) and the date's
/// fixed mask. Keys that leave the cell (Enter, arrows at the ends of the text,
/// Up, Down, Page Up, Home, Insert, F7, F8, Escape) commit the text, close the editor
/// and are handed to the table as keyAfterEdit.
class BatchCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    BatchCellDelegate(const DateConventions& dates, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

signals:
    void editingStarted() const;
    void keyAfterEdit(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

private:
    DateConventions m_dates;
};

/// `SG`: the fifteen rows of the batch table with the row numbers, the two-line bold
/// headers and, after a run, the status column ("OK", or "X" in bold red with the
/// reason as its hint). Only the cells of A..Notes can be selected.
class BatchGrid : public QTableWidget {
    Q_OBJECT
public:
    /// The status column, after Notes.
    static constexpr int kStatusColumn = kBatchColumns;

    BatchGrid(const DateConventions& dates, QWidget* parent = nullptr);

    BatchTable table() const;
    /// Shows `table` (not a change).
    void setTable(const BatchTable& table);

    /// The column of the current cell.
    BatchColumn currentBatchColumn() const;
    /// Sets a cell's text as a change of the user's (used by F7, F8 and Insert).
    void setCellText(int row, BatchColumn column, const QString& text);
    /// Moves the current cell.
    void moveTo(BatchMove move);

    /// The status column: shown with every row's status, or removed.
    void setRowStatus(int row, BatchRowStatus status, const QString& reason);
    void showStatusColumn(bool shown);
    bool statusColumnShown() const { return !isColumnHidden(kStatusColumn); }
    /// The width of the status column when it shows.
    void setStatusColumnWidth(int width) { m_statusWidth = width; }

    /// No editing while a run is busy.
    void setReadOnly(bool readOnly);

    /// The height that shows the headers and all fifteen rows without scrolling.
    int fullHeight() const;

signals:
    /// A cell's text was changed by the user.
    void tableEdited();
    /// Escape was pressed (in the table or in a cell editor).
    void escapePressed();
    /// F8 in column A or B: the window asks the atlas for a prefix.
    void atlasRequested(int row, BatchColumn column);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// The table's own keys; false for a key it leaves to the view.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    void buildHeaders(const DateConventions& dates);

    BatchCellDelegate* m_delegate;
    bool m_loading = false;
    bool m_readOnly = false;
    int m_statusWidth = 40;
};
