#pragma once

#include "widgets/ValidatedEdit.h"

/// A whole number between MinValue and MaxValue ("+", "-" and digits).
class IntegerEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit IntegerEdit(QWidget* parent = nullptr);

    long long MinValue() const { return m_min; }
    long long MaxValue() const { return m_max; }
    void setMinValue(long long value) { m_min = value; }
    void setMaxValue(long long value) { m_max = value; }

    /// The number must read and lie in [MinValue, MaxValue], else "Please enter a
    /// value between <min> and <max>."; RightJustify pads it to the maximum length.
    bool Validate() override;

private:
    long long m_min = -2147483648LL;
    long long m_max = 2147483647LL;
};
