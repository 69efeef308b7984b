#pragma once

#include "widgets/WordEdit.h"

/// A time of day as four digits HHMM, 0000..2359.
class TimeEdit : public WordEdit {
    Q_OBJECT
public:
    explicit TimeEdit(QWidget* parent = nullptr);

    /// CheckTimeOfDay, and the value within [MinValue, MaxValue]; otherwise "Please
    /// enter a four-digit time between 0000 and 2359."
    bool Validate() override;
};
