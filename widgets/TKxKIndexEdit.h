#pragma once

#include "widgets/TKxEdit.h"

/// A K index: empty or -1 for the average, else 0..9 ("-" and digits, 2 characters).
class TKxKIndexEdit : public TKxEdit {
    Q_OBJECT
public:
    explicit TKxKIndexEdit(QWidget* parent = nullptr);

    /// CheckKIndex: the canonical text ("05" → "5"); its message otherwise.
    bool Validate() override;
};
