#include "widgets/TimeEdit.h"

#include "core/Syntax.h"
#include "widgets/QtText.h"

TimeEdit::TimeEdit(QWidget* parent) : WordEdit(parent) {
    setMaxChars(4);
    setMinValue(0);
    setMaxValue(2359);
}

bool TimeEdit::Validate() {
    const std::string typed = S(text());
    CheckResult check = CheckTimeOfDay(typed);
    if (check.ok) {
        const int value = text().toInt();
        if (value < MinValue() || value > MaxValue()) {
            check.ok = false;
            check.message = ErrorMessage("Please enter a four-digit time between 0000 and 2359.");
        }
    }
    return check.ok ? true : refuse(check.message);
}
