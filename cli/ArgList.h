#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The arguments of one hopscope-cli command, taken out one by one.
/// Each command asks for the options it knows; whatever is left at the end
/// is reported as unknown, so a typing error never passes silently.
class ArgList {
public:
    explicit ArgList(std::vector<std::string> args);

    /// The value of "--name VALUE" or "--name=VALUE" (the last one given), removed
    /// from the list. A "--name" with nothing after it gives nothing, and Problem()
    /// then names it.
    std::optional<std::string> Value(std::string_view name);

    /// True when the bare flag "--name" was given; removes it.
    bool Flag(std::string_view name);

    /// The arguments that do not start with "--", in order; removes them.
    std::vector<std::string> Positionals();

    /// The first option nobody asked for, or the option given without its value.
    std::optional<std::string> Problem() const;

private:
    std::vector<std::string> m_args;
    std::vector<bool> m_used;
    std::optional<std::string> m_missingValue;
};
