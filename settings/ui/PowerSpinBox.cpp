#include "settings/ui/PowerSpinBox.h"

#include <QLocale>

PowerSpinBox::PowerSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {
    setDecimals(3);
}

QString PowerSpinBox::ShortText(double value, const QLocale& locale) {
    QString text = locale.toString(value, 'f', 3);
    const QString point = locale.decimalPoint();
    if (!text.contains(point))
        return text;
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(point))
        text.chop(point.size());
    return text;
}

QString PowerSpinBox::textFromValue(double value) const {
    QString text = ShortText(value, locale());
    if (!isGroupSeparatorShown())
        text.remove(locale().groupSeparator());
    return text;
}
