#pragma once

// The one pair of conversions between the texts of the plain layers (UTF-8
// std::string) and Qt's QString, used wherever a window shows or reads a plain text.

#include <QString>

#include <string>
#include <string_view>

/// A plain UTF-8 text as Qt shows it.
inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

/// A Qt text as the plain layers take it: UTF-8.
inline std::string S(const QString& text) {
    return text.toStdString();
}
