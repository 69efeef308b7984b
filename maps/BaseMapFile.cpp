#include "maps/BaseMapFile.h"

#include <cstring>

#include "core/DataDirectory.h"
#include "core/ReadFile.h"
#include "core/ReplaceFile.h"
#include "maps/BaseMaps.h"
#include "settings/SettingsRecord.h"

const std::array<Rgb, 16> kBaseMapPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kLatitudeOffset = 0;
constexpr std::size_t kLongitudeOffset = 11;

void Put16(std::string& out, std::uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::uint32_t Get16(std::string_view b, std::size_t at) {
    return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8);
}

std::uint32_t Get32(std::string_view b, std::size_t at) {
    return Get16(b, at) | (Get16(b, at + 2) << 16);
}

int Channel(Rgb c, int shift) {
    return static_cast<int>((c >> shift) & 0xFF);
}

std::uint8_t PaletteIndex(Rgb colour) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        long distance = 0;
        for (int shift : {0, 8, 16}) {
            const long d = Channel(colour, shift) - Channel(kBaseMapPalette[i], shift);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
        if (distance == 0)
            break;
    }
    return static_cast<std::uint8_t>(best);
}

bool SameText(std::string_view trailer, std::size_t offset, std::size_t capacity,
              const std::array<std::uint8_t, kBaseMapTrailerSize>& current) {
    const std::size_t length = static_cast<std::uint8_t>(trailer[offset]);
    if (length > capacity || length != current[offset])
        return false;
    return std::memcmp(trailer.data() + offset + 1, current.data() + offset + 1, length) == 0;
}

// The size of the base map file this program writes for a map: the 4-bit bitmap of
// its cached size and the trailer.
std::uint64_t BaseMapFileSize(bool greatCircle) {
    const std::uint64_t width = greatCircle ? kGreatCircleBaseSize : kRectangularBaseWidth;
    const std::uint64_t height = greatCircle ? kGreatCircleBaseSize : kRectangularBaseHeight;
    return kFileHeaderSize + kInfoHeaderSize + 16 * 4 + (width + 7) / 8 * 4 * height +
           kBaseMapTrailerSize;
}

// True when the head of a base map file (its headers) and its size are those of the
// file this program writes for the map: anything else is not read, only redrawn.
bool HasOurLayout(std::string_view head, std::uint64_t fileSize, bool greatCircle) {
    constexpr std::size_t kHeadSize = kFileHeaderSize + kInfoHeaderSize;
    const std::uint32_t width = greatCircle ? kGreatCircleBaseSize : kRectangularBaseWidth;
    const std::uint32_t height = greatCircle ? kGreatCircleBaseSize : kRectangularBaseHeight;
    return head.size() >= kHeadSize && fileSize == BaseMapFileSize(greatCircle) &&
           head.substr(0, 2) == "BM" && Get32(head, 10) == kHeadSize + 16 * 4 &&
           Get32(head, 14) == kInfoHeaderSize && Get32(head, 18) == width &&
           Get32(head, 22) == height && Get16(head, 28) == 4 && Get32(head, 30) == 0;
}

} // namespace

std::string EncodeBmp16(const MapCanvas& canvas) {
    const int w = canvas.Width();
    const int h = canvas.Height();
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(w) + 7) / 8) * 4;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize + 16 * 4;
    const std::uint32_t imageSize = rowBytes * static_cast<std::uint32_t>(h);
    std::string out;
    out.reserve(offset + imageSize);
    out += "BM";
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(w));
    Put32(out, static_cast<std::uint32_t>(h));
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0); // BI_RGB
    Put32(out, imageSize);
    Put32(out, 3780); // 96 dpi
    Put32(out, 3780);
    Put32(out, 16);
    Put32(out, 16);
    for (Rgb c : kBaseMapPalette) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>((c >> 8) & 0xFF));
        out.push_back(static_cast<char>((c >> 16) & 0xFF));
        out.push_back(0);
    }
    std::string row(rowBytes, '\0');
    for (int y = h - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), '\0');
        Rgb lastColour = 0xFFFFFFFF;
        std::uint8_t lastIndex = 0;
        for (int x = 0; x < w; ++x) {
            const Rgb c = canvas.PixelAt(x, y);
            if (c != lastColour) {
                lastColour = c;
                lastIndex = PaletteIndex(c);
            }
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? lastIndex : lastIndex << 4));
        }
        out += row;
    }
    return out;
}

std::optional<PixelBuffer> DecodeBmp(std::string_view bytes) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes.substr(0, 2) != "BM")
        return std::nullopt;
    const std::uint32_t offset = Get32(bytes, 10);
    const std::uint32_t headerSize = Get32(bytes, 14);
    const std::int32_t width = static_cast<std::int32_t>(Get32(bytes, 18));
    const std::int32_t rawHeight = static_cast<std::int32_t>(Get32(bytes, 22));
    const std::uint32_t bits = Get16(bytes, 28);
    const std::uint32_t compression = Get32(bytes, 30);
    std::uint32_t colours = Get32(bytes, 46);
    if (headerSize < kInfoHeaderSize || compression != 0 || (bits != 4 && bits != 8) ||
        width <= 0 || width > 20000 || rawHeight == 0 || rawHeight < -20000 || rawHeight > 20000)
        return std::nullopt;
    const int height = rawHeight < 0 ? -rawHeight : rawHeight;
    const std::uint32_t maxColours = 1u << bits;
    if (colours == 0 || colours > maxColours)
        colours = maxColours;
    const std::size_t paletteAt = kFileHeaderSize + headerSize;
    const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    if (paletteAt + colours * 4 > bytes.size() || offset > bytes.size() ||
        rowBytes * height > bytes.size() - offset)
        return std::nullopt;
    std::array<Rgb, 256> palette{};
    for (std::uint32_t i = 0; i < colours; ++i) {
        const std::size_t at = paletteAt + i * 4;
        palette[i] = (static_cast<std::uint8_t>(bytes[at + 2]) << 16) |
                     (static_cast<std::uint8_t>(bytes[at + 1]) << 8) |
                     static_cast<std::uint8_t>(bytes[at]);
    }
    PixelBuffer image(width, height);
    for (int r = 0; r < height; ++r) {
        const int y = rawHeight < 0 ? r : height - 1 - r;
        const std::string_view row = bytes.substr(offset + rowBytes * r, rowBytes);
        std::uint32_t* out = image.Row(y);
        for (int x = 0; x < width; ++x) {
            const auto byte = static_cast<std::uint8_t>(row[bits == 4 ? x / 2 : x]);
            const unsigned index = bits == 8 ? byte : (x % 2 ? byte & 0x0F : byte >> 4);
            out[x] = 0xFF000000u | palette[index];
        }
    }
    return image;
}

std::array<std::uint8_t, kBaseMapTrailerSize> BaseMapTrailer(const Settings& settings) {
    const SettingsRecordBytes record = EncodeSettings(settings);
    std::array<std::uint8_t, kBaseMapTrailerSize> trailer{};
    std::copy_n(record.begin(), kBaseMapTrailerSize, trailer.begin());
    return trailer;
}

bool BaseMapBytesAreStale(std::string_view fileBytes, const Settings& settings) {
    if (fileBytes.size() < kBaseMapTrailerSize)
        return true;
    const std::string_view trailer = fileBytes.substr(fileBytes.size() - kBaseMapTrailerSize);
    const auto current = BaseMapTrailer(settings);
    return !SameText(trailer, kLatitudeOffset, kDefaultLatitudeCapacity, current) ||
           !SameText(trailer, kLongitudeOffset, kDefaultLongitudeCapacity, current);
}

std::filesystem::path BaseMapPath(const std::filesystem::path& dataDir, bool greatCircle) {
    return dataDir / (greatCircle ? kGreatCircleMapFileName : kRectangularMapFileName);
}

bool BaseMapIsStale(const std::filesystem::path& dataDir, bool greatCircle,
                    const Settings& settings) {
    // Only the headers and the trailer are read: the file's size says the rest.
    const std::filesystem::path path = BaseMapPath(dataDir, greatCircle);
    const FileReadResult head = ReadFilePart(path, 0, kFileHeaderSize + kInfoHeaderSize);
    if (!head || !HasOurLayout(head.bytes, head.fileSize, greatCircle))
        return true;
    const FileReadResult trailer =
        ReadFilePart(path, head.fileSize - kBaseMapTrailerSize, kBaseMapTrailerSize);
    return !trailer || BaseMapBytesAreStale(trailer.bytes, settings);
}

FileWriteResult SaveBaseMap(const MapCanvas& canvas, bool greatCircle, const Settings& settings,
                            const std::filesystem::path& dataDir) {
    const std::filesystem::path path = BaseMapPath(dataDir, greatCircle);
    // A FIFO opened for writing would wait for a reader for ever, and a device would
    // take the map: only a regular file is ever replaced.
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status))
        return {"Is a directory"};
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return {"Not a regular file"};
    std::string bytes = EncodeBmp16(canvas);
    const auto trailer = BaseMapTrailer(settings);
    bytes.append(reinterpret_cast<const char*>(trailer.data()), trailer.size());
    return ReplaceFile(path, bytes);
}

std::optional<PixelBuffer> LoadBaseMap(const std::filesystem::path& dataDir, bool greatCircle) {
    const FileReadResult file =
        ReadFilePart(BaseMapPath(dataDir, greatCircle), 0,
                     static_cast<std::size_t>(BaseMapFileSize(greatCircle)));
    if (!file || !HasOurLayout(file.bytes, file.fileSize, greatCircle))
        return std::nullopt;
    return DecodeBmp(file.bytes);
}

std::optional<PixelBuffer> CurrentBaseMap(const Settings& settings,
                                          const std::filesystem::path& dataDir, bool greatCircle) {
    if (!BaseMapIsStale(dataDir, greatCircle, settings))
        if (std::optional<PixelBuffer> cached = LoadBaseMap(dataDir, greatCircle))
            return cached;
    return DrawBaseMapFor(settings, greatCircle);
}

BaseMapPlan PlanBaseMaps(const Settings& settings, const std::filesystem::path& dataDir) {
    if (!settings.DefaultDefined)
        return {};
    return {BaseMapIsStale(dataDir, false, settings), BaseMapIsStale(dataDir, true, settings)};
}

std::string BaseMapName(bool greatCircle) {
    return greatCircle ? "Great Circle Map" : "Rectangular Map";
}

std::string BaseMapCaption(bool greatCircle) {
    return "Creating New " + BaseMapName(greatCircle);
}

std::string UnableToSaveText(bool greatCircle, const std::filesystem::path& file,
                             const std::string& reason) {
    const std::string text = "Unable to save " + BaseMapName(greatCircle) + " to disk";
    if (reason.empty())
        return text;
    return text + "\r" + file.string() + ": " + reason +
           "\rThe map is drawn in memory each time it is opened until it can be saved.";
}

std::optional<PixelBuffer> DrawBaseMapFor(const Settings& settings, bool greatCircle,
                                          const BaseMapProgress& progress) {
    const std::optional<GeoPoint> centre = BaseMapCentre(settings);
    if (!centre)
        return std::nullopt;
    if (greatCircle) {
        PixelBuffer map(kGreatCircleBaseSize, kGreatCircleBaseSize);
        DrawGreatCircleBaseMap(map, *centre, progress);
        return map;
    }
    PixelBuffer map(kRectangularBaseWidth, kRectangularBaseHeight);
    DrawRectangularBaseMap(map, centre->lon, progress);
    return map;
}
