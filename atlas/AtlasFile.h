#pragma once

#include "atlas/Atlas.h"
#include "core/ReplaceFile.h"

#include <filesystem>
#include <functional>
#include <string>

/// Loads the atlas file "Hopscope.ATL" of `directory` into `atlas` and builds its
/// indexes. When that file is missing it is first created:
/// - from the legacy atlas "QKT.ATL" of the same folder when there is one (a 46-byte
///   header whose first 4 bytes are the entry count N, little-endian; then N 46-byte
///   records, N taken modulo 65,536, at most kMaxAtlasEntries); the import stops quietly at the
///   first record that cannot be read and keeps what it copied; `processEvents` (may be empty) is
///   called after each record so a window stays alive;
/// - otherwise from the built-in table of 371 places.
/// When the legacy atlas is there but cannot be read (no permission, a folder of that
/// name) the built-in places are used from memory and nothing is written. When that file
/// cannot be written (a full disk, a read-only folder) no file is created: the imported or built-in
/// entries are used from memory for this run and the next start tries again. Otherwise Count is 0
/// when the file is empty or cannot be read, -1 when it holds more than kMaxAtlasEntries records
/// (damaged; it is left as it is), else the file size div 48 (a trailing partial record is
/// ignored). Every file is written through a temporary file in the same folder and a rename.
void LoadAtlas(Atlas& atlas, const std::filesystem::path& directory,
               const std::function<void()>& processEvents = {});

/// The atlas of `directory` as LoadAtlas has it, read without writing or creating any
/// file: the atlas file when there is one (same Count rules); otherwise the legacy atlas
/// "QKT.ATL" imported into memory; otherwise, or when that cannot be read, the built-in
/// places. For the commands that only look places up.
void ReadAtlasWithoutWriting(Atlas& atlas, const std::filesystem::path& directory);

/// Re-reads the file the atlas was loaded from (after a change). Same Count rules.
void ReloadAtlas(Atlas& atlas);

/// Re-reads the atlas when its file is no longer the one last read (another copy of the
/// program, or the command line, changed it): its inode, modification time or size
/// differs. Returns true when it reloaded. An atlas held in memory because no file
/// could be written, or never loaded, is left alone.
bool ReloadAtlasIfChanged(Atlas& atlas);

// Every change below is made under a lock on the atlas file (FileLock), first reading
// the file again, so that changes made meanwhile by another copy of the program (the
// command line beside the window, two scripts) are kept: each applies its one change to
// the latest entries. The result's error says why a change was not made (the system's
// reason when the write failed).

// While there is no atlas file yet, a change is made to the legacy atlas "QKT.ATL" of the
// folder, read again (it may have become readable since the atlas was loaded), and is
// refused while that file is there but cannot be read: the atlas file written from the
// built-in places standing in for it would hide its places for good.

/// Adds `entry` at its place in prefix order, rewrites the file and reloads. Returns
/// a failure, leaving both the file and the atlas as they were, when the write fails, the
/// atlas is unavailable (Count -1), its prefix is already in use (checked exactly, as
/// FindAtlasEntry) or the atlas is full (kMaxAtlasEntries).
[[nodiscard]] FileWriteResult InsertAtlasEntry(Atlas& atlas, const AtlasEntry& entry);

/// Removes the entry whose prefix is exactly `prefix`, rewrites the file and reloads.
/// Returns a failure, leaving both the file and the atlas as they were, when the write
/// fails or no entry has that prefix.
[[nodiscard]] FileWriteResult DeleteAtlasEntry(Atlas& atlas, std::string_view prefix);

/// Replaces the entry whose prefix is exactly `oldPrefix` by `entry` (which may have
/// another prefix: it goes to its own place in prefix order), in one rewrite of the
/// file, then reloads. Either both the removal and the addition are in the file
/// afterwards or neither is: a failed write never loses the old entry. Returns a failure,
/// changing nothing, when the write fails, `oldPrefix` is absent, or the new prefix
/// belongs to another entry.
[[nodiscard]] FileWriteResult ModifyAtlasEntry(Atlas& atlas, std::string_view oldPrefix,
                                               const AtlasEntry& entry);

/// The whole atlas file for `entries`: their 48-byte records back to back.
std::string AtlasFileBytes(const std::vector<AtlasEntry>& entries);
