#pragma once

#include "atlas/PrefixSearch.h"

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QKeyEvent;
class QLabel;
class QListWidget;
class ValidatedEdit;

/// The list part of the two atlas list windows: the incremental search edit
/// "IncSearchEdit", the column header "ListHeaderLabel" and the list of atlas lines in
/// a bold fixed-pitch font, `visibleRows` lines high and one character wider than
/// `lineWidth`. The arrow keys, Page Up/Down, Home and End in the edit move the
/// list's selection.
class AtlasListPanel : public QWidget {
    Q_OBJECT
public:
    AtlasListPanel(const QString& listName, const QFont& font, int lineWidth, int visibleRows,
                   QWidget* parent);

    ValidatedEdit* edit() const { return m_edit; }
    QListWidget* list() const { return m_list; }
    const std::vector<std::string>& lines() const { return m_lines; }

    /// Shows `lines` under `header` and sets the edit for `mode` (its hint and case);
    /// the list's signals stay quiet meanwhile.
    void setLines(PrefixSearchMode mode, const QString& header, std::vector<std::string> lines);
    /// Selects `row` quietly and scrolls it to the third visible line.
    void selectLine(int row);
    /// Scrolls `row` to the third visible line.
    void scrollToShow(int row);
    /// The number of whole lines the list shows.
    int visibleLines() const;
    /// Gives the list the height of exactly `visibleRows` whole lines once it has a line.
    void fitHeight();
    /// For a plain navigation key in the edit, selects the line it moves to (quietly),
    /// brings it into view and returns it.
    std::optional<int> moveByKey(const QKeyEvent* key);

private:
    int m_visibleRows;
    std::vector<std::string> m_lines;
    ValidatedEdit* m_edit;
    QLabel* m_header;
    QListWidget* m_list;
};
