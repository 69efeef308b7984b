#pragma once

#include "core/Dates.h"
#include "widgets/ValidatedEdit.h"

/// A date of 8 characters in the user's date order with the system separator,
/// edited in a fixed mask: typing overwrites, Delete and Backspace put underscores
/// back (see core/DateMask.h).
class DateEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget* parent = nullptr);

    /// The date order and separator (the system's by default).
    const DateConventions& dateConventions() const { return m_dates; }
    void setDateConventions(const DateConventions& dates);

    /// "__/__/__" with the separator.
    QString blankText() const;
    /// Shows the blank mask with the caret at the start.
    void clearDate();

    /// CheckDateText: "Invalid date" unless the text is a real calendar date.
    bool Validate() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    /// An empty date is entered with the caret at its start.
    void focusInEvent(QFocusEvent* event) override;

private:
    void applyState(const struct DateMaskState& state);

    DateConventions m_dates;
};
