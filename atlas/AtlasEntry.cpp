#include "atlas/AtlasEntry.h"

#include "core/Terminal.h"
#include "core/Utf8Text.h"

#include <algorithm>

std::string ReadAtlasBytes(const AtlasEntry& entry, AtlasField field) {
    const std::size_t length = std::min<std::size_t>(entry.bytes[field.Offset], field.Capacity);
    const auto first = entry.bytes.begin() + static_cast<std::ptrdiff_t>(field.Offset + 1);
    return std::string(first, first + static_cast<std::ptrdiff_t>(length));
}

std::string ReadAtlasText(const AtlasEntry& entry, AtlasField field) {
    return WithoutControlCharacters(ToValidUtf8(ReadAtlasBytes(entry, field)));
}

void WriteAtlasText(AtlasEntry& entry, AtlasField field, std::string_view text) {
    const std::string stored = CutText(text, field.Capacity);
    entry.bytes[field.Offset] = static_cast<std::uint8_t>(stored.size());
    for (std::size_t i = 0; i < field.Capacity; ++i)
        entry.bytes[field.Offset + 1 + i] =
            i < stored.size() ? static_cast<std::uint8_t>(stored[i]) : 0;
}

std::string AtlasEntry::Prefix() const {
    return ReadAtlasText(*this, kAtlasPrefixField);
}
std::string AtlasEntry::Latitude() const {
    return ReadAtlasText(*this, kAtlasLatitudeField);
}
std::string AtlasEntry::Longitude() const {
    return ReadAtlasText(*this, kAtlasLongitudeField);
}
std::string AtlasEntry::Name() const {
    return ReadAtlasText(*this, kAtlasNameField);
}

AtlasEntry MakeAtlasEntry(std::string_view prefix, std::string_view latitude,
                          std::string_view longitude, std::string_view name) {
    AtlasEntry entry;
    WriteAtlasText(entry, kAtlasPrefixField, prefix);
    WriteAtlasText(entry, kAtlasLatitudeField, latitude);
    WriteAtlasText(entry, kAtlasLongitudeField, longitude);
    WriteAtlasText(entry, kAtlasNameField, name);
    return entry;
}

namespace {

unsigned char UpperAscii(char c) {
    const auto code = static_cast<unsigned char>(c);
    return (code >= 'a' && code <= 'z') ? static_cast<unsigned char>(code - ('a' - 'A')) : code;
}

} // namespace

int CompareAtlasText(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char ca = UpperAscii(a[i]);
        const unsigned char cb = UpperAscii(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string AtlasUpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(UpperAscii(c));
    return result;
}
