#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// One place of the atlas: 48 bytes, held in memory exactly as stored in the atlas
/// file. Four length-prefixed texts (one length byte, the characters, unused bytes up
/// to the capacity):
///
/// | offset | size | field     | capacity |
/// |--------|------|-----------|----------|
/// | 0      | 7    | Prefix    | 6        |
/// | 7      | 11   | Latitude  | 10       |
/// | 18     | 12   | Longitude | 11       |
/// | 30     | 18   | Name      | 17       |
///
/// Latitude and longitude stay text in the coordinate syntax (north and WEST
/// positive); they are parsed only when an entry is copied into a terminal.
/// Bytes after a text's length are kept as read, so a rewrite of the file gives the
/// same bytes back. A value-initialised entry (`AtlasEntry{}`) is 48 zero bytes: four
/// empty texts.
struct AtlasEntry {
    static constexpr std::size_t kSize = 48;
    std::array<std::uint8_t, kSize> bytes{};

    /// The texts as UTF-8 (ReadAtlasText), each cut at its capacity when a damaged
    /// length byte claims more.
    std::string Prefix() const;
    std::string Latitude() const;
    std::string Longitude() const;
    std::string Name() const;

    /// All 48 bytes equal, the insignificant ones after each text included.
    friend bool operator==(const AtlasEntry&, const AtlasEntry&) = default;
};

/// Where one text field lies in the 48-byte record: the offset of its length byte
/// and the most characters it holds.
struct AtlasField {
    std::size_t Offset;
    std::size_t Capacity;
};

inline constexpr AtlasField kAtlasPrefixField{0, 6};
inline constexpr AtlasField kAtlasLatitudeField{7, 10};
inline constexpr AtlasField kAtlasLongitudeField{18, 11};
inline constexpr AtlasField kAtlasNameField{30, 17};

/// The bytes stored in `field` of `entry`, as they are. A length byte above the
/// capacity (a damaged file) is read as the capacity, so nothing outside the field is
/// ever read.
std::string ReadAtlasBytes(const AtlasEntry& entry, AtlasField field);

/// The text stored in `field` of `entry` as valid UTF-8: ReadAtlasBytes with any byte
/// that is not UTF-8 read as Latin-1 (ToValidUtf8), as atlases of older versions
/// stored names. Every reader of the atlas (windows, reports, command line) gets its
/// texts through here.
std::string ReadAtlasText(const AtlasEntry& entry, AtlasField field);

/// Stores `text` in `field`: the length byte, the bytes (cut to the capacity on whole
/// characters, CutText) and zero bytes for the rest of the field.
void WriteAtlasText(AtlasEntry& entry, AtlasField field, std::string_view text);

/// A new entry from its four texts, each cut to its capacity (6, 10, 11 and 17
/// bytes, on whole characters), unused bytes zero.
AtlasEntry MakeAtlasEntry(std::string_view prefix, std::string_view latitude,
                          std::string_view longitude, std::string_view name);

/// The order of the atlas, used by both indexes and every search: the two texts are
/// compared byte by byte as unsigned character codes after turning the ASCII letters
/// a..z into A..Z (nothing else changes); a text that is a proper beginning of the
/// other comes first. Returns <0, 0 or >0 like strcmp; 0 means equal ignoring the
/// case of ASCII letters.
int CompareAtlasText(std::string_view a, std::string_view b);

/// `text` with the ASCII letters a..z turned into A..Z; every other byte unchanged.
std::string AtlasUpperCase(std::string_view text);
