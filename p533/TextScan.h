#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// Reading the data files' text: lines, comma-separated fields and numbers.

namespace p533 {

/// The lines of a text (LF or CR LF; a final line without an end counts).
std::vector<std::string_view> SplitLines(std::string_view text);

/// The comma-separated fields of a line, each without surrounding blanks.
std::vector<std::string_view> SplitFields(std::string_view line);

/// A whole field as a finite number ("1.5", "-0.3E+01"), or nullopt.
std::optional<double> ReadNumber(std::string_view field);

/// Reads numbers one after the other from a text where they may touch: "-99.999-10.080"
/// is two numbers. Blanks separate; anything else that does not start a number stops.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : m_text(text) {}
    /// The next number, or nullopt at the end or at a character that starts none (then
    /// AtEnd() is false).
    std::optional<double> Next();
    bool AtEnd();
    /// The offset in the text of the next character to read.
    std::size_t Position() const { return m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

} // namespace p533
