#include "core/Utf8Text.h"

namespace {

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte offset of 0-based character `index`, or text.size().
std::size_t ByteOffset(std::string_view text, std::size_t index) {
    std::size_t i = 0;
    for (std::size_t chars = 0; i < text.size(); ++i) {
        if (IsContinuation(text[i]))
            continue;
        if (chars++ == index)
            return i;
    }
    return text.size();
}

} // namespace

std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80)
        return 1;
    std::size_t length;
    unsigned minimum;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    unsigned code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

std::string ToValidUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length > 0) {
            out.append(text.substr(i, length));
            i += length;
        } else {
            const unsigned char latin1 = static_cast<unsigned char>(text[i++]);
            out += static_cast<char>(0xC0 | (latin1 >> 6));
            out += static_cast<char>(0x80 | (latin1 & 0x3F));
        }
    }
    return out;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        if (!IsContinuation(c))
            ++count;
    return count;
}

std::string Utf8Left(std::string_view text, std::size_t count) {
    return std::string(text.substr(0, ByteOffset(text, count)));
}

std::string Utf8From(std::string_view text, std::size_t start) {
    return std::string(text.substr(ByteOffset(text, start)));
}

void AppendAtColumn(std::string& line, std::size_t column, std::string_view text) {
    const std::size_t length = Utf8Length(line);
    if (length < column)
        line.append(column - length, ' ');
    line += text;
}

namespace {

// The length of the control character at byte `i` of UTF-8 text, or 0.
std::size_t ControlLengthAt(std::string_view text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F)
        return 1;
    if (byte == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (next >= 0x80 && next <= 0x9F)
            return 2;
    }
    return 0;
}

} // namespace

bool HasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (ControlLengthAt(text, i) != 0)
            return true;
    return false;
}

std::string WithoutControlCharacters(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const std::size_t length = ControlLengthAt(text, i); length != 0) {
            result += '?';
            i += length;
        } else {
            result += text[i++];
        }
    }
    return result;
}
