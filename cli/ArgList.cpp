#include "cli/ArgList.h"

ArgList::ArgList(std::vector<std::string> args)
    : m_args(std::move(args)), m_used(m_args.size(), false) {}

std::optional<std::string> ArgList::Value(std::string_view name) {
    std::optional<std::string> found;
    const std::string option = "--" + std::string(name);
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (m_used[i])
            continue;
        const std::string& arg = m_args[i];
        if (arg == option) {
            m_used[i] = true;
            if (i + 1 < m_args.size()) {
                m_used[i + 1] = true;
                found = m_args[++i];
            } else {
                m_missingValue = option;
            }
        } else if (arg.rfind(option + "=", 0) == 0) {
            m_used[i] = true;
            found = arg.substr(option.size() + 1);
        }
    }
    return found;
}

bool ArgList::Flag(std::string_view name) {
    bool found = false;
    const std::string option = "--" + std::string(name);
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (!m_used[i] && m_args[i] == option) {
            m_used[i] = true;
            found = true;
        }
    }
    return found;
}

std::vector<std::string> ArgList::Positionals() {
    std::vector<std::string> result;
    for (size_t i = 0; i < m_args.size(); ++i) {
        if (!m_used[i] && m_args[i].rfind("--", 0) != 0) {
            m_used[i] = true;
            result.push_back(m_args[i]);
        }
    }
    return result;
}

std::optional<std::string> ArgList::Problem() const {
    if (m_missingValue)
        return "The option " + *m_missingValue + " needs a value";
    for (size_t i = 0; i < m_args.size(); ++i)
        if (!m_used[i])
            return "Unknown argument: " + m_args[i];
    return std::nullopt;
}
