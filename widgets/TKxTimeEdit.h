#pragma once

#include "widgets/TKxWordEdit.h"

/// A time of day as four digits HHMM, 0000..2359.
class TKxTimeEdit : public TKxWordEdit {
    Q_OBJECT
public:
    explicit TKxTimeEdit(QWidget* parent = nullptr);

    /// CheckTimeOfDay, and the value within [MinValue, MaxValue]; otherwise "Please
    /// enter a four-digit time between 0000 and 2359."
    bool Validate() override;
};
