#pragma once

#include <QDoubleSpinBox>

/// A spin box for a transmitter power in watts: it keeps what the user types to the
/// milliwatt but shows no more decimals than the value needs ("100 W", "12.5 W",
/// "0.25 W"), as an operator writes a power.
class PowerSpinBox : public QDoubleSpinBox {
public:
    explicit PowerSpinBox(QWidget* parent = nullptr);

    /// `value` with three decimals at most and no trailing zeros or point, in `locale`.
    static QString ShortText(double value, const QLocale& locale);

protected:
    QString textFromValue(double value) const override;
};
