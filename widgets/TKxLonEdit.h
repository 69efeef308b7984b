#pragma once

#include "widgets/TKxEdit.h"

/// A longitude in the coordinate syntax (WEST positive, letters E and W), 11
/// characters, upper case.
class TKxLonEdit : public TKxEdit {
    Q_OBJECT
public:
    explicit TKxLonEdit(QWidget* parent = nullptr);

    /// CheckLongitudeField: the normalized text; the syntax-error window or a range
    /// message otherwise.
    bool Validate() override;
};
