#pragma once

#include "widgets/ValidatedEdit.h"

/// A real number with `Precision` decimals between MinValue and MaxValue.
class RealEdit : public ValidatedEdit {
    Q_OBJECT
public:
    explicit RealEdit(QWidget* parent = nullptr);

    int Precision() const { return m_precision; }
    void setPrecision(int decimals) { m_precision = decimals; }
    double MinValue() const { return m_min; }
    double MaxValue() const { return m_max; }
    void setMinValue(double value) { m_min = value; }
    void setMaxValue(double value) { m_max = value; }

    /// CheckRealField: the text becomes the value with Precision decimals; on failure
    /// the range message and the whole text selected.
    bool Validate() override;

private:
    int m_precision = 0;
    double m_min = 0.0;
    double m_max = 0.0;
};
