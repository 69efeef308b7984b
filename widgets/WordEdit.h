#pragma once

#include "widgets/IntegerEdit.h"

/// A non-negative whole number (digits only), 0..2147483647 unless narrowed.
class WordEdit : public IntegerEdit {
    Q_OBJECT
public:
    explicit WordEdit(QWidget* parent = nullptr);
};
