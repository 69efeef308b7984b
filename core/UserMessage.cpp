#include "core/UserMessage.h"

#include <algorithm>

UserMessage ErrorMessage(std::string text) {
    UserMessage message;
    message.kind = MessageKind::Error;
    message.alert = true;
    message.text = std::move(text);
    return message;
}

std::string DisplayText(const UserMessage& message) {
    if (message.kind == MessageKind::SyntaxError && !message.lines.empty()) {
        std::string text;
        for (std::size_t i = 0; i < message.lines.size(); ++i)
            text += (i ? "\n" : "") + message.lines[i];
        return text;
    }
    std::string text = message.text;
    std::replace(text.begin(), text.end(), '\r', '\n');
    return text;
}

std::string OneLineText(const UserMessage& message) {
    std::string joined;
    if (message.kind == MessageKind::SyntaxError && !message.lines.empty()) {
        for (const std::string& line : message.lines)
            if (!line.empty())
                joined += (joined.empty() ? "" : " ") + line;
    } else {
        joined = message.text;
        std::replace(joined.begin(), joined.end(), '\r', ' ');
    }
    std::string squeezed;
    for (char c : joined)
        if (!(c == ' ' && !squeezed.empty() && squeezed.back() == ' '))
            squeezed += c;
    return squeezed;
}
