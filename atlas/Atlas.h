#pragma once

#include "atlas/AtlasEntry.h"
#include "core/UserMessage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The most entries the atlas holds: positions are 16-bit numbers counted from 1 and
/// the position after the last entry must still fit.
inline constexpr std::int32_t kMaxAtlasEntries = 65534;

/// The atlas in memory: the whole atlas file and its two indexes. The application
/// owns one; every operation takes it as an argument.
struct Atlas {
    /// Number of entries; 0 = empty (or unreadable) file; -1 = no atlas file could be
    /// found or created (atlas unavailable), and the value before loading.
    std::int32_t Count = -1;
    /// The records in file order, which is ascending prefix order.
    std::vector<AtlasEntry> Entries;
    /// Indexes into `Entries`: position p (1..Count) is element p - 1. `ByPrefix` is
    /// file order; `ByName` orders by name, equal names keeping file order.
    std::vector<std::uint32_t> ByPrefix;
    std::vector<std::uint32_t> ByName;
    /// The atlas file this atlas was loaded from, rewritten by every change.
    std::filesystem::path FilePath;
    /// What identified that file when it was last read (inode, modification time in
    /// nanoseconds, size), so that a change by another copy of the program is noticed.
    std::array<std::uint64_t, 3> FileStamp{};
};

/// Which index a search runs over: `ByPrefix` compares prefixes, `ByName` names.
enum class AtlasIndex { ByPrefix, ByName };

/// The entry at `position` (1..Count) of `index`. The position must be in range.
const AtlasEntry& AtlasEntryAt(const Atlas& atlas, AtlasIndex index, std::size_t position);

/// Fills `ByPrefix` (file order) and `ByName` from `Entries`. `ByName` follows the
/// insertion rule of the atlas: each entry, in file order, goes before the first name
/// not less than its own (case-insensitive), after any names byte-for-byte equal to
/// it. Equal names therefore keep file order; names differing only in letter case
/// end up the later one first. Runs in O(n log n). Sets nothing when Count is -1.
void BuildAtlasIndexes(Atlas& atlas);

/// An atlas in memory of `entries` (in file order, that is ascending prefix order), with
/// its count and both indexes (BuildAtlasIndexes); no file lies behind it.
Atlas AtlasOf(std::vector<AtlasEntry> entries);

/// Releases the entries and both indexes; Count becomes -1 (nothing loaded).
void FreeAtlas(Atlas& atlas);

/// Binary search over the first `n` positions (n <= Count) of `index`: the first
/// position p in 1..n+1 whose field (Prefix or Name) is not less than `key` in the
/// atlas order (CompareAtlasText, case-insensitive). n + 1 when every field is less.
std::size_t AtlasLowerBound(const Atlas& atlas, std::string_view key, AtlasIndex index,
                            std::size_t n);

/// Exact look-up by prefix: the entry whose Prefix equals `prefix` byte for byte
/// (same length, same characters, same case), or nothing. Callers upper-case what the
/// user typed first ("ve3" finds nothing); "VE" finds the entry "VE", never one that
/// merely begins with it. Nothing is found in an empty or unavailable atlas.
std::optional<AtlasEntry> FindAtlasEntry(const Atlas& atlas, std::string_view prefix);

/// What AtlasStatus tells the user: the count, and the message to show.
struct AtlasStatusResult {
    std::int32_t count = -1;
    /// Empty when the count is above the threshold; otherwise an information box
    /// with the alert sound.
    UserMessage message;
};

/// The atlas's state for a command about to use it. Returns Count, and when
/// Count <= threshold an information message (sounded):
/// - Count -1: "Atlas file <full path> not found" + "\r" + "or the file is corrupt."
/// - Count 0: "The atlas is empty."
/// - Count > 0: "The atlas has <Count> entries."
/// Callers use threshold -2 (silent query), -1 (before adding: go on when the count is
/// >= 0) and 0 (before viewing, searching, modifying, deleting, printing: go on when
/// the count is > 0).
AtlasStatusResult AtlasStatus(const Atlas& atlas, std::int32_t threshold);

/// Whether a prefix is taken, and the message saying so.
struct PrefixUse {
    bool inUse = false;
    /// When in use: the error box (sounded) "Prefix <prefix> is in use by another
    /// entry"; otherwise empty.
    UserMessage message;
    explicit operator bool() const { return inUse; }
};

/// Checks that no entry has `prefix` yet (FindAtlasEntry's exact look-up) before an
/// entry is added or renamed.
PrefixUse PrefixInUse(const Atlas& atlas, std::string_view prefix);
