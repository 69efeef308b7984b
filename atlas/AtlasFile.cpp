#include "atlas/AtlasFile.h"

#include "atlas/BuiltInAtlas.h"
#include "core/DataDirectory.h"
#include "core/FileLock.h"
#include "core/ReadFile.h"
#include "core/ReplaceFile.h"

#include <algorithm>
#include <climits>
#include <optional>
#include <sys/stat.h>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kLegacyRecordSize = 46;
constexpr AtlasField kLegacyPrefixField{0, 6};
constexpr AtlasField kLegacyLatitudeField{7, 9};
constexpr AtlasField kLegacyLongitudeField{17, 10};
constexpr AtlasField kLegacyNameField{28, 17};

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// What importing the legacy atlas came to: its entries, or why it could not be read.
struct LegacyImport {
    std::vector<AtlasEntry> entries;
    std::string error; ///< the system's reason when the file could not be read
};

// The legacy atlas's records copied into atlas entries, in order. Stops quietly at
// the first record that cannot be read (or when the header cannot be read); the
// reason when the file itself cannot be read (no permission, a folder of that name).
LegacyImport ImportLegacyAtlas(const fs::path& legacyPath,
                               const std::function<void()>& processEvents) {
    constexpr std::size_t kMostBytes = (kMaxAtlasEntries + 1) * kLegacyRecordSize;
    const FileReadResult file = ReadFilePart(legacyPath, 0, kMostBytes);
    if (!file)
        return {{}, file.error};
    LegacyImport import;
    std::vector<AtlasEntry>& entries = import.entries;
    std::size_t at = 0;
    AtlasEntry record; // a 46-byte legacy record read into the first 46 bytes
    const auto readRecord = [&] {
        if (file.bytes.size() - at < kLegacyRecordSize)
            return false;
        std::copy_n(file.bytes.begin() + static_cast<std::ptrdiff_t>(at), kLegacyRecordSize,
                    record.bytes.begin());
        at += kLegacyRecordSize;
        return true;
    };
    if (!readRecord())
        return import;
    const std::uint32_t header =
        std::uint32_t{record.bytes[0]} | std::uint32_t{record.bytes[1]} << 8 |
        std::uint32_t{record.bytes[2]} << 16 | std::uint32_t{record.bytes[3]} << 24;
    // N modulo 65,536, and no more than the atlas holds.
    const std::uint32_t count =
        std::min<std::uint32_t>(header & 0xFFFFu, static_cast<std::uint32_t>(kMaxAtlasEntries));
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!readRecord())
            break;
        // The texts are copied as they are: every target field is at least as wide.
        entries.push_back(MakeAtlasEntry(ReadAtlasBytes(record, kLegacyPrefixField),
                                         ReadAtlasBytes(record, kLegacyLatitudeField),
                                         ReadAtlasBytes(record, kLegacyLongitudeField),
                                         ReadAtlasBytes(record, kLegacyNameField)));
        if (processEvents)
            processEvents();
    }
    return import;
}

// The entries an atlas starts from when its file is missing: the legacy atlas of the
// folder when there is one, otherwise the built-in places. `legacyError` is the reason
// when the legacy atlas is there but cannot be read (the built-in places stand in for
// it then).
std::vector<AtlasEntry> FirstAtlasEntries(const fs::path& directory,
                                          const std::function<void()>& processEvents,
                                          std::string& legacyError) {
    const fs::path legacyPath = directory / kLegacyAtlasFileName;
    legacyError.clear();
    if (!Exists(legacyPath))
        return BuiltInAtlasEntries();
    LegacyImport legacy = ImportLegacyAtlas(legacyPath, processEvents);
    if (!legacy.error.empty()) {
        legacyError = std::move(legacy.error);
        return BuiltInAtlasEntries();
    }
    return std::move(legacy.entries);
}

// The position (1..Count) of the entry whose prefix is exactly `prefix`, or 0.
std::size_t PositionOf(const Atlas& atlas, std::string_view prefix) {
    if (atlas.Count <= 0)
        return 0;
    const std::size_t p =
        AtlasLowerBound(atlas, prefix, AtlasIndex::ByPrefix, atlas.Entries.size());
    return p <= atlas.Entries.size() && atlas.Entries[p - 1].Prefix() == prefix ? p : 0;
}

// Writes `entries` as the atlas file and, when that worked, loads them back.
FileWriteResult Rewrite(Atlas& atlas, const std::vector<AtlasEntry>& entries) {
    FileWriteResult written = ReplaceFile(atlas.FilePath, AtlasFileBytes(entries));
    if (!written)
        return written;
    ReloadAtlas(atlas);
    return {};
}

FileWriteResult Refusal(std::string reason) {
    return {std::move(reason)};
}

// Holds `entries` as the atlas without a file behind it.
void UseFromMemory(Atlas& atlas, std::vector<AtlasEntry> entries) {
    atlas.Count = static_cast<std::int32_t>(entries.size());
    atlas.Entries = std::move(entries);
    BuildAtlasIndexes(atlas);
}

// Brings the atlas up to its file as another copy of the program may have left it,
// under the lock that the caller holds, so that one change is applied to the latest
// entries. Without an atlas file the change is made to the legacy atlas beside it, read
// again now, never to the built-in places standing in for a legacy atlas that could not
// be read: the first file written would hide that atlas for good. The refusal when it
// still cannot be read.
std::optional<FileWriteResult> CatchUp(Atlas& atlas) {
    std::error_code ec;
    if (atlas.Count >= 0 && fs::exists(atlas.FilePath, ec)) {
        ReloadAtlas(atlas);
        return std::nullopt;
    }
    if (atlas.Count < 0)
        return std::nullopt;
    const fs::path folder = atlas.FilePath.parent_path();
    std::string legacyError;
    std::vector<AtlasEntry> first = FirstAtlasEntries(folder, {}, legacyError);
    if (!legacyError.empty())
        return Refusal("not created while the legacy atlas " +
                       (folder / kLegacyAtlasFileName).string() + " cannot be read (" +
                       legacyError + "): it would hide that atlas's places for good");
    if (Exists(folder / kLegacyAtlasFileName))
        UseFromMemory(atlas, std::move(first));
    return std::nullopt;
}

// Reads the whole atlas file into the atlas: Count is the number of whole records,
// 0 when the file cannot be read.
// The inode, modification time and size of the file; zeros when it is missing.
std::array<std::uint64_t, 3> FileStampOf(const fs::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return {};
    const std::uint64_t nanoseconds =
        static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
        static_cast<std::uint64_t>(info.st_mtim.tv_nsec);
    return {static_cast<std::uint64_t>(info.st_ino), nanoseconds,
            static_cast<std::uint64_t>(info.st_size)};
}

void ReadAtlasFile(Atlas& atlas) {
    atlas.Entries.clear();
    atlas.Count = 0;
    atlas.FileStamp = FileStampOf(atlas.FilePath);
    // One byte past the longest atlas tells a damaged file by its size.
    const FileReadResult file =
        ReadFilePart(atlas.FilePath, 0, (kMaxAtlasEntries + 1) * AtlasEntry::kSize);
    if (!file)
        return;
    const auto count = file.fileSize / AtlasEntry::kSize;
    if (count > static_cast<std::uint64_t>(kMaxAtlasEntries)) {
        // No atlas this program wrote is that long: refuse it as damaged, and leave it
        // alone (Count -1 also stops every change from rewriting it).
        atlas.Count = -1;
        return;
    }
    const std::size_t whole = file.bytes.size() / AtlasEntry::kSize;
    std::vector<AtlasEntry> entries(whole);
    for (std::size_t i = 0; i < whole; ++i) {
        const auto first = file.bytes.begin() + static_cast<std::ptrdiff_t>(i * AtlasEntry::kSize);
        std::copy(first, first + AtlasEntry::kSize, entries[i].bytes.begin());
    }
    atlas.Entries = std::move(entries);
    atlas.Count = static_cast<std::int32_t>(whole);
}

} // namespace

std::string AtlasFileBytes(const std::vector<AtlasEntry>& entries) {
    std::string bytes;
    bytes.reserve(entries.size() * AtlasEntry::kSize);
    for (const AtlasEntry& entry : entries)
        bytes.append(reinterpret_cast<const char*>(entry.bytes.data()), AtlasEntry::kSize);
    return bytes;
}

void LoadAtlas(Atlas& atlas, const fs::path& directory,
               const std::function<void()>& processEvents) {
    FreeAtlas(atlas);
    atlas.FilePath = directory / kAtlasFileName;
    if (!Exists(atlas.FilePath)) {
        std::string legacyError;
        std::vector<AtlasEntry> first = FirstAtlasEntries(directory, processEvents, legacyError);
        if (!legacyError.empty()) {
            // A legacy atlas we cannot read now: the built-in places for this run,
            // and no file written, so that it is imported once it can be read.
            UseFromMemory(atlas, std::move(first));
            return;
        }
        FileLock lock(atlas.FilePath);
        if (Exists(atlas.FilePath)) {
            // Another copy of the program created it meanwhile.
            ReloadAtlas(atlas);
            return;
        }
        if (!ReplaceFile(atlas.FilePath, AtlasFileBytes(first))) {
            // A full disk or a folder we may not write: no file at all is better than
            // an empty one, which would hide the atlas for good. This run uses it from
            // memory; the next start tries to write it again.
            UseFromMemory(atlas, std::move(first));
            return;
        }
    }
    ReloadAtlas(atlas);
}

void ReadAtlasWithoutWriting(Atlas& atlas, const fs::path& directory) {
    FreeAtlas(atlas);
    atlas.FilePath = directory / kAtlasFileName;
    if (Exists(atlas.FilePath)) {
        ReloadAtlas(atlas);
        return;
    }
    std::string legacyError;
    UseFromMemory(atlas, FirstAtlasEntries(directory, {}, legacyError));
}

void ReloadAtlas(Atlas& atlas) {
    ReadAtlasFile(atlas);
    BuildAtlasIndexes(atlas);
}

bool ReloadAtlasIfChanged(Atlas& atlas) {
    if (atlas.FilePath.empty() || atlas.FileStamp == std::array<std::uint64_t, 3>{})
        return false; // not loaded, or held in memory without a file
    if (FileStampOf(atlas.FilePath) == atlas.FileStamp)
        return false;
    ReloadAtlas(atlas);
    return true;
}

FileWriteResult InsertAtlasEntry(Atlas& atlas, const AtlasEntry& entry) {
    FileLock lock(atlas.FilePath);
    if (std::optional<FileWriteResult> refusal = CatchUp(atlas))
        return *refusal;
    if (atlas.Count < 0)
        return Refusal("The atlas file is missing or damaged");
    if (atlas.Count >= kMaxAtlasEntries)
        return Refusal("The atlas is full");
    if (PositionOf(atlas, entry.Prefix()) != 0)
        return Refusal("The prefix " + entry.Prefix() + " is already in the atlas");
    const std::size_t p =
        AtlasLowerBound(atlas, entry.Prefix(), AtlasIndex::ByPrefix, atlas.Entries.size());
    std::vector<AtlasEntry> entries = atlas.Entries;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(p - 1), entry);
    return Rewrite(atlas, entries);
}

FileWriteResult DeleteAtlasEntry(Atlas& atlas, std::string_view prefix) {
    FileLock lock(atlas.FilePath);
    if (std::optional<FileWriteResult> refusal = CatchUp(atlas))
        return *refusal;
    const std::size_t p = PositionOf(atlas, prefix);
    if (p == 0)
        return Refusal("The prefix " + std::string(prefix) + " is not in the atlas");
    std::vector<AtlasEntry> entries = atlas.Entries;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(p - 1));
    return Rewrite(atlas, entries);
}

FileWriteResult ModifyAtlasEntry(Atlas& atlas, std::string_view oldPrefix,
                                 const AtlasEntry& entry) {
    FileLock lock(atlas.FilePath);
    if (std::optional<FileWriteResult> refusal = CatchUp(atlas))
        return *refusal;
    const std::size_t old = PositionOf(atlas, oldPrefix);
    if (old == 0)
        return Refusal("The prefix " + std::string(oldPrefix) + " is not in the atlas");
    const std::size_t taken = PositionOf(atlas, entry.Prefix());
    if (taken != 0 && taken != old)
        return Refusal("The prefix " + entry.Prefix() + " is already in the atlas");
    std::vector<AtlasEntry> entries = atlas.Entries;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(old - 1));
    // The new entry's place among the others, by the same rule as an insert.
    std::size_t p = 0;
    while (p < entries.size() && CompareAtlasText(entries[p].Prefix(), entry.Prefix()) < 0)
        ++p;
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(p), entry);
    return Rewrite(atlas, entries);
}
