#pragma once

#include "widgets/TKxIntegerEdit.h"

/// A non-negative whole number (digits only), 0..2147483647 unless narrowed.
class TKxWordEdit : public TKxIntegerEdit {
    Q_OBJECT
public:
    explicit TKxWordEdit(QWidget* parent = nullptr);
};
