#include "settings/SettingsFile.h"

#include "core/DataDirectory.h"
#include "core/ReadFile.h"
#include "core/ReplaceFile.h"
#include "settings/SettingsRecord.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Reads up to `limit` bytes of the file; nullopt on a read error.
std::optional<std::vector<std::uint8_t>> ReadHead(const fs::path& path, std::size_t limit) {
    const FileReadResult head = ReadFilePart(path, 0, limit);
    if (!head)
        return std::nullopt;
    return std::vector<std::uint8_t>(head.bytes.begin(), head.bytes.end());
}

// Moves a damaged file out of the way so the next save cannot destroy it. Earlier
// damaged files move one number up (".bad" to ".bad.1" and so on); the oldest of
// kKeptDamagedSettingsFiles goes.
void KeepDamagedFile(const fs::path& path) {
    std::error_code ec;
    fs::remove(DamagedSettingsPath(path, kKeptDamagedSettingsFiles - 1), ec);
    for (int n = kKeptDamagedSettingsFiles - 1; n > 0; --n)
        fs::rename(DamagedSettingsPath(path, n - 1), DamagedSettingsPath(path, n), ec);
    fs::rename(path, DamagedSettingsPath(path), ec);
}

SettingsLoad Factory(SettingsSource source) {
    return {FactorySettings(), source};
}

} // namespace

fs::path SettingsFilePath(const fs::path& dataDir) {
    return dataDir / kSettingsFileName;
}

fs::path DamagedSettingsPath(const fs::path& settingsFile, int age) {
    fs::path bad = settingsFile;
    bad += ".bad";
    if (age > 0)
        bad += "." + std::to_string(age);
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
        // When this fails the earlier file stays as it was and is converted again at
        // the next start; the settings are in effect either way.
        static_cast<void>(SaveSettings(path, load.settings));
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

FileWriteResult SaveSettings(const fs::path& path, const Settings& settings) {
    const SettingsRecordBytes bytes = EncodeSettings(settings);
    return ReplaceFile(path,
                       std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string SettingsNotSavedText(const fs::path& path, const std::string& reason, bool atExit) {
    std::string text = "The settings could not be saved to " + path.string() + ":\r" + reason + ".";
    if (atExit)
        text += "\r\rChoose OK to try again, or Cancel to quit without saving them.";
    else
        text += "\r\rThey stay in effect until Hopscope is closed.";
    return text;
}
