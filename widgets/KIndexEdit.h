#pragma once

#include "widgets/ValidatedEdit.h"

/// A K index: empty or -1 for the average, else 0..9 ("-" and digits, 2 characters).
class KIndexEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit KIndexEdit(QWidget* parent = nullptr);

    /// CheckKIndex: the canonical text ("05" → "5"); its message otherwise.
    bool Validate() override;
};
