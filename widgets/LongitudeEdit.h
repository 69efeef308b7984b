#pragma once

#include "widgets/ValidatedEdit.h"

/// A longitude in the coordinate syntax (WEST positive, letters E and W), 11
/// characters, upper case.
class LongitudeEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit LongitudeEdit(QWidget* parent = nullptr);

    /// CheckLongitudeField: the normalized text; the syntax-error window or a range
    /// message otherwise.
    bool Validate() override;
};
