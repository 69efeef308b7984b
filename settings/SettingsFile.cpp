#include "settings/SettingsFile.h"

#include "core/DataDirectory.h"
#include "core/ReplaceFile.h"
#include "settings/SettingsRecord.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Reads up to `limit` bytes of the file; nullopt on a read error.
std::optional<std::vector<std::uint8_t>> ReadHead(const fs::path& path, std::size_t limit) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::uint8_t> bytes(limit);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    if (in.bad())
        return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// Moves a damaged file out of the way so the next save cannot destroy it.
void KeepDamagedFile(const fs::path& path) {
    std::error_code ec;
    fs::rename(path, DamagedSettingsPath(path), ec);
}

SettingsLoad Factory(SettingsSource source) {
    return {FactorySettings(), source};
}

} // namespace

fs::path SettingsFilePath(const fs::path& dataDir) {
    return dataDir / kSettingsFileName;
}

fs::path DamagedSettingsPath(const fs::path& settingsFile) {
    fs::path bad = settingsFile;
    bad += ".bad";
    return bad;
}

SettingsLoad ReadSettingsFile(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec))
        return Factory(SettingsSource::MissingFile);
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec)
        return Factory(SettingsSource::ReadError);

    const bool earlier = size == kEarlierSettingsRecordSize;
    const std::size_t wanted = earlier ? kEarlierSettingsRecordSize : kSettingsRecordSize;
    const auto head = ReadHead(path, wanted);
    if (!head)
        return Factory(SettingsSource::ReadError);
    if (head->size() < wanted)
        return Factory(earlier ? SettingsSource::ReadError : SettingsSource::ShortFile);

    SettingsRecordBytes record;
    if (earlier)
        record = ConvertEarlierSettings(
            std::span<const std::uint8_t, kEarlierSettingsRecordSize>(head->data(), wanted));
    else
        std::copy(head->begin(), head->end(), record.begin());
    std::optional<Settings> settings = DecodeSettings(record);
    if (!settings)
        return Factory(SettingsSource::DamagedFile);
    return {*settings, earlier ? SettingsSource::Converted : SettingsSource::File};
}

SettingsLoad LoadSettings(const fs::path& path) {
    SettingsLoad load = ReadSettingsFile(path);
    std::error_code ec;
    switch (load.source) {
    case SettingsSource::Converted:
        SaveSettings(path, load.settings);
        break;
    case SettingsSource::DamagedFile:
        KeepDamagedFile(path);
        break;
    case SettingsSource::ShortFile:
        if (fs::file_size(path, ec) > 0 && !ec)
            KeepDamagedFile(path);
        break;
    default:
        break;
    }
    return load;
}

bool SaveSettings(const fs::path& path, const Settings& settings) {
    const SettingsRecordBytes bytes = EncodeSettings(settings);
    return ReplaceFile(path,
                       std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}
