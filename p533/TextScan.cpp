#include "p533/TextScan.h"

#include <charconv>
#include <cmath>

namespace p533 {

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}
} // namespace

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t comma = line.find(',');
        fields.push_back(Trim(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            break;
        line.remove_prefix(comma + 1);
    }
    return fields;
}

std::optional<double> ReadNumber(std::string_view field) {
    field = Trim(field);
    if (!field.empty() && field.front() == '+')
        field.remove_prefix(1);
    double value = 0.0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool NumberScanner::AtEnd() {
    while (m_pos < m_text.size() && IsBlank(m_text[m_pos]))
        ++m_pos;
    return m_pos >= m_text.size();
}

std::optional<double> NumberScanner::Next() {
    if (AtEnd())
        return std::nullopt;
    // The longest prefix of the form [+-]digits[.digits][(e|E)[+-]digits].
    std::size_t i = m_pos;
    const std::size_t n = m_text.size();
    if (m_text[i] == '+' || m_text[i] == '-')
        ++i;
    const std::size_t digitsStart = i;
    while (i < n && IsDigit(m_text[i]))
        ++i;
    if (i < n && m_text[i] == '.') {
        ++i;
        while (i < n && IsDigit(m_text[i]))
            ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && m_text[digitsStart] == '.'))
        return std::nullopt;
    if (i < n && (m_text[i] == 'e' || m_text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (m_text[j] == '+' || m_text[j] == '-'))
            ++j;
        if (j < n && IsDigit(m_text[j])) {
            while (j < n && IsDigit(m_text[j]))
                ++j;
            i = j;
        }
    }
    const std::optional<double> value = ReadNumber(m_text.substr(m_pos, i - m_pos));
    if (value)
        m_pos = i;
    return value;
}

} // namespace p533
