#pragma once

#include "widgets/ValidatedEdit.h"

/// A latitude in the coordinate syntax (north positive, letters N and S), 10
/// characters, upper case.
class LatitudeEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit LatitudeEdit(QWidget* parent = nullptr);

    /// CheckLatitudeField: the normalized text, poles written "+90", "90 N", "90",
    /// "90 S" or "-90"; the syntax-error window or a range message otherwise.
    bool Validate() override;
};
