#include "atlas/AtlasFile.h"

#include "atlas/BuiltInAtlas.h"
#include "core/Utf8Text.h"
#include "tests/atlas/AtlasTestSupport.h"
#include "tests/core/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// One 46-byte record of the legacy atlas: texts of capacity 6, 9, 10 and 17.
std::string LegacyRecord(const std::string& prefix, const std::string& lat, const std::string& lon,
                         const std::string& name) {
    std::string record(46, '\0');
    const auto put = [&](std::size_t offset, const std::string& text) {
        record[offset] = static_cast<char>(text.size());
        record.replace(offset + 1, text.size(), text);
    };
    put(0, prefix);
    put(7, lat);
    put(17, lon);
    put(28, name);
    return record;
}

std::string LegacyHeader(std::uint32_t count) {
    std::string header(46, '\x55'); // the unused bytes are never read
    for (int i = 0; i < 4; ++i)
        header[static_cast<std::size_t>(i)] = static_cast<char>((count >> (8 * i)) & 0xFF);
    return header;
}

std::vector<std::string> Prefixes(const Atlas& atlas) {
    std::vector<std::string> result;
    for (const AtlasEntry& entry : atlas.Entries)
        result.push_back(entry.Prefix());
    return result;
}

bool InAtlasOrder(const Atlas& atlas) {
    for (std::size_t i = 1; i < atlas.Entries.size(); ++i)
        if (CompareAtlasText(atlas.Entries[i - 1].Prefix(), atlas.Entries[i].Prefix()) >= 0)
            return false;
    return true;
}

// Files in a folder, the atlas's lock file aside: a failed rewrite must leave none
// behind.
std::size_t FileCount(const std::filesystem::path& dir) {
    std::size_t count = 0;
    for (const auto& file : std::filesystem::directory_iterator(dir))
        count += file.path().extension() != ".lock";
    return count;
}

} // namespace

TEST(LoadAtlas, FirstStartWritesTheBuiltInTable) {
    TempDir dir;
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    const std::string bytes = ReadBytes(dir / "Hopscope.ATL");
    ASSERT_EQ(bytes.size(), 17808u);
    EXPECT_EQ(bytes, AtlasFileBytes(BuiltInAtlasEntries()));
    // The first record, byte for byte.
    EXPECT_EQ(bytes.substr(0, 48), std::string("\x03"
                                               "1A0\0\0\0",
                                               7) +
                                       std::string("\x05"
                                                   "41 54\0\0\0\0\0",
                                                   11) +
                                       std::string("\x06-12 29\0\0\0\0\0", 12) +
                                       std::string("\x0FS.M.O. of Malta\0\0", 18));
    EXPECT_EQ(atlas.Count, 371);
    EXPECT_EQ(atlas.FilePath, dir / "Hopscope.ATL");
    EXPECT_EQ(AtlasEntryAt(atlas, AtlasIndex::ByPrefix, 1).Prefix(), "1A0");
    EXPECT_EQ(AtlasEntryAt(atlas, AtlasIndex::ByPrefix, 371).Prefix(), "ZS8");
    EXPECT_EQ(atlas.ByName.size(), 371u);
}

TEST(LoadAtlas, ImportsTheLegacyAtlasInsteadOfTheBuiltInOne) {
    TempDir dir;
    WriteBytes(dir / "QKT.ATL",
               LegacyHeader(2) +
                   LegacyRecord("AB1", "-12 34 56", "-123 45 67", "Seventeen chars 1") +
                   LegacyRecord("K", "1", "2", "Somewhere"));
    int events = 0;
    Atlas atlas;
    LoadAtlas(atlas, dir.Path(), [&] { ++events; });
    EXPECT_EQ(events, 2);
    ASSERT_EQ(ReadBytes(dir / "Hopscope.ATL").size(), 96u);
    ASSERT_EQ(atlas.Count, 2);
    EXPECT_EQ(atlas.Entries[0],
              MakeAtlasEntry("AB1", "-12 34 56", "-123 45 67", "Seventeen chars 1"));
    EXPECT_EQ(atlas.Entries[1], MakeAtlasEntry("K", "1", "2", "Somewhere"));
    EXPECT_EQ(ReadBytes(dir / "QKT.ATL").size(), 46u * 3); // read, never written
}

TEST(LoadAtlas, LegacyImportKeepsWhatItCouldRead) {
    struct Case {
        const char* name;
        std::string legacy;
        int count;
    };
    const std::string record = LegacyRecord("W", "1", "2", "N");
    const Case cases[] = {
        {"header promises more than the file holds", LegacyHeader(5) + record + record + "partial",
         2},
        {"count taken modulo 65536", LegacyHeader(65536 + 1) + record + record, 1},
        {"negative count read as 16 bits", LegacyHeader(0xFFFF0000u) + record, 0},
        {"file shorter than its header", "short", 0},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteBytes(dir / "QKT.ATL", c.legacy);
        Atlas atlas;
        LoadAtlas(atlas, dir.Path());
        EXPECT_EQ(atlas.Count, c.count) << c.name;
        EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL").size(), 48u * static_cast<std::size_t>(c.count))
            << c.name;
    }
}

TEST(LoadAtlas, CountsWholeRecordsOnly) {
    TempDir dir;
    const std::string two =
        AtlasFileBytes({MakeAtlasEntry("A", "1", "2", "a"), MakeAtlasEntry("B", "3", "4", "b")});
    WriteBytes(dir / "Hopscope.ATL", two + "tail");
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    EXPECT_EQ(atlas.Count, 2);
    EXPECT_EQ(Prefixes(atlas), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL").size(), 100u); // loading never rewrites
}

TEST(LoadAtlas, AnEmptyFileIsAnEmptyAtlasAndDamagedBytesStayInBounds) {
    TempDir dir;
    WriteBytes(dir / "Hopscope.ATL", "");
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    EXPECT_EQ(atlas.Count, 0);
    EXPECT_EQ(AtlasStatus(atlas, 0).message.text, "The atlas is empty.");

    WriteBytes(dir / "Hopscope.ATL", std::string(48 * 3, '\xFF'));
    LoadAtlas(atlas, dir.Path());
    ASSERT_EQ(atlas.Count, 3);
    // 8-bit bytes read as Latin-1 "ÿ", each text cut at its capacity.
    EXPECT_EQ(atlas.Entries[0].Prefix(), "ÿÿÿÿÿÿ");
    EXPECT_EQ(Utf8Length(atlas.Entries[0].Name()), 17u);
    EXPECT_FALSE(FindAtlasEntry(atlas, "VE3"));
}

TEST(LoadAtlas, NamesOfOlderLatin1FilesComeOutAsUtf8) {
    TempDir dir;
    WriteBytes(dir / "Hopscope.ATL", AtlasFileBytes({MakeAtlasEntry("HB", "47", "-8", "Z\xFCrich"),
                                                     MakeAtlasEntry("R", "55", "-37", "Москва")}));
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    EXPECT_EQ(FindAtlasEntry(atlas, "HB")->Name(), "Zürich");
    EXPECT_EQ(FindAtlasEntry(atlas, "R")->Name(), "Москва"); // UTF-8 stays as it is
    // A name with control characters (a hostile file) is shown, never acted on.
    WriteBytes(dir / "Other.ATL", AtlasFileBytes({MakeAtlasEntry("ZZ", "1", "2", "\x1B[2J\r\nX")}));
    Atlas hostile;
    hostile.FilePath = dir / "Other.ATL";
    ReloadAtlas(hostile);
    EXPECT_EQ(FindAtlasEntry(hostile, "ZZ")->Name(), "?[2J??X");
    // The bytes themselves are kept, so a rewrite gives them back unchanged.
    ASSERT_TRUE(DeleteAtlasEntry(atlas, "R"));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL"),
              AtlasFileBytes({MakeAtlasEntry("HB", "47", "-8", "Z\xFCrich")}));
}

TEST(LoadAtlas, WithoutRoomForTheFileTheBuiltInAtlasIsUsedFromMemory) {
    // A full disk at the first start: no file (an empty one would hide the atlas for
    // good), the 371 places for this run, and the file written at the next start.
    TempDir dir;
    Atlas atlas;
    WithFileSizeLimit(1000, [&] { LoadAtlas(atlas, dir.Path()); });
    EXPECT_FALSE(std::filesystem::exists(dir / "Hopscope.ATL"));
    EXPECT_EQ(FileCount(dir.Path()), 0u);
    EXPECT_EQ(atlas.Count, 371);
    EXPECT_EQ(FindAtlasEntry(atlas, "VE3")->Name(), "Toronto, Ontario");

    Atlas next;
    LoadAtlas(next, dir.Path());
    EXPECT_EQ(next.Count, 371);
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL"), AtlasFileBytes(BuiltInAtlasEntries()));
}

TEST(LoadAtlas, NoFolderGivesTheBuiltInAtlasWithoutAFile) {
    TempDir dir;
    Atlas atlas;
    LoadAtlas(atlas, dir / "missing" / "folder");
    EXPECT_EQ(atlas.Count, 371);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_FALSE(InsertAtlasEntry(atlas, MakeAtlasEntry("K", "0", "0", "x")));
    EXPECT_EQ(atlas.Count, 371);
}

TEST(LoadAtlas, MoreEntriesThanPositionsIsADamagedFileLeftAlone) {
    TempDir dir;
    const std::string entry = AtlasFileBytes({MakeAtlasEntry("A", "1", "2", "a")});
    std::string bytes;
    for (int i = 0; i < kMaxAtlasEntries + 1; ++i)
        bytes += entry;
    WriteBytes(dir / "Hopscope.ATL", bytes);
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    EXPECT_EQ(atlas.Count, -1);
    EXPECT_FALSE(FindAtlasEntry(atlas, "A"));
    EXPECT_EQ(AtlasStatus(atlas, -1).message.text, "Atlas file " + (dir / "Hopscope.ATL").string() +
                                                       " not found\ror the file is corrupt.");
    EXPECT_FALSE(InsertAtlasEntry(atlas, MakeAtlasEntry("B", "0", "0", "x")));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL").size(), bytes.size());
}

TEST(InsertAtlasEntry, PutsTheEntryInPrefixOrderAndReloads) {
    TempDir dir;
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    ASSERT_TRUE(InsertAtlasEntry(atlas, MakeAtlasEntry("K", "39 50", "98 35", "U.S.A.")));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL").size(), 17808u + 48u);
    EXPECT_EQ(atlas.Count, 372);
    EXPECT_TRUE(InAtlasOrder(atlas));
    const std::vector<std::string> prefixes = Prefixes(atlas);
    const auto k = std::find(prefixes.begin(), prefixes.end(), "K");
    ASSERT_NE(k, prefixes.end());
    EXPECT_EQ(*(k - 1), "JY");
    EXPECT_EQ(*(k + 1), "KC4");
    EXPECT_EQ(FindAtlasEntry(atlas, "K")->Name(), "U.S.A.");
    // What is in memory is what is in the file.
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL"), AtlasFileBytes(atlas.Entries));
    EXPECT_EQ(FileCount(dir.Path()), 1u);
}

TEST(InsertAtlasEntry, AtTheEndsAndIntoAnEmptyAtlas) {
    TempDir dir;
    WriteBytes(dir / "Hopscope.ATL", "");
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    for (const char* prefix : {"M", "ZZ", "0A", "m1"})
        ASSERT_TRUE(InsertAtlasEntry(atlas, MakeAtlasEntry(prefix, "0", "0", prefix)));
    EXPECT_EQ(Prefixes(atlas), (std::vector<std::string>{"0A", "M", "m1", "ZZ"}));
}

TEST(InsertAtlasEntry, KeepsTheBytesOfOtherEntriesAsRead) {
    TempDir dir;
    AtlasEntry noisy = MakeAtlasEntry("A", "1", "2", "a");
    noisy.bytes[5] = 'x'; // after the prefix's length: not significant, but kept
    noisy.bytes[47] = 'y';
    WriteBytes(dir / "Hopscope.ATL", AtlasFileBytes({noisy}));
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    ASSERT_TRUE(InsertAtlasEntry(atlas, MakeAtlasEntry("B", "1", "2", "b")));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL").substr(0, 48), AtlasFileBytes({noisy}));
}

TEST(InsertAtlasEntry, RefusesWhatItCannotDoWithoutTouchingTheFile) {
    TempDir dir;
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    const std::string before = ReadBytes(dir / "Hopscope.ATL");
    EXPECT_FALSE(InsertAtlasEntry(atlas, MakeAtlasEntry("VE3", "0", "0", "Duplicate")));
    EXPECT_FALSE(DeleteAtlasEntry(atlas, "VE0"));
    EXPECT_FALSE(DeleteAtlasEntry(atlas, "ve3"));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL"), before);
    EXPECT_EQ(atlas.Count, 371);

    Atlas unavailable; // Count -1: nothing loaded
    EXPECT_FALSE(InsertAtlasEntry(unavailable, MakeAtlasEntry("K", "0", "0", "x")));
    EXPECT_FALSE(DeleteAtlasEntry(unavailable, "K"));
}

TEST(InsertAtlasEntry, AFailedWriteLeavesTheOldFileAndAtlas) {
    TempDir dir;
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    const std::string before = ReadBytes(dir / "Hopscope.ATL");

    const FileWriteResult inserted = WithFileSizeLimit(
        1000, [&] { return InsertAtlasEntry(atlas, MakeAtlasEntry("K", "0", "0", "x")); });
    const FileWriteResult deleted =
        WithFileSizeLimit(1000, [&] { return DeleteAtlasEntry(atlas, "VE3"); });

    EXPECT_EQ(inserted.error, "File too large"); // the reason, for the message
    EXPECT_EQ(deleted.error, "File too large");
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL"), before);
    EXPECT_EQ(FileCount(dir.Path()), 1u);
    EXPECT_EQ(atlas.Count, 371);
    EXPECT_TRUE(FindAtlasEntry(atlas, "VE3"));
    EXPECT_FALSE(FindAtlasEntry(atlas, "K"));
}

TEST(DeleteAtlasEntry, RemovesExactlyThatEntry) {
    TempDir dir;
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    ASSERT_TRUE(DeleteAtlasEntry(atlas, "VE"));
    EXPECT_EQ(atlas.Count, 370);
    EXPECT_FALSE(FindAtlasEntry(atlas, "VE"));
    EXPECT_EQ(FindAtlasEntry(atlas, "VE1")->Name(), "Halifax, N.S.");
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL").size(), 17808u - 48u);
    EXPECT_TRUE(InAtlasOrder(atlas));
}

TEST(DeleteAtlasEntry, DeletingTheLastEntryLeavesAnEmptyFile) {
    TempDir dir;
    WriteBytes(dir / "Hopscope.ATL",
               AtlasFileBytes({MakeAtlasEntry("W", "39 50", "98 35", "U.S.A.")}));
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    ASSERT_TRUE(DeleteAtlasEntry(atlas, "W"));
    EXPECT_TRUE(std::filesystem::exists(dir / "Hopscope.ATL"));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL").size(), 0u);
    EXPECT_EQ(atlas.Count, 0);
    EXPECT_EQ(AtlasStatus(atlas, 0).message.text, "The atlas is empty.");
    // The next start keeps the empty atlas: the built-in table is only for a missing file.
    LoadAtlas(atlas, dir.Path());
    EXPECT_EQ(atlas.Count, 0);
}

TEST(ModifyAtlasEntry, ReplacesAnEntryInOneRewrite) {
    TempDir dir;
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    // Same prefix, new texts.
    ASSERT_TRUE(
        ModifyAtlasEntry(atlas, "VE3", MakeAtlasEntry("VE3", "45 25", "75 42", "Ottawa, Ontario")));
    EXPECT_EQ(FindAtlasEntry(atlas, "VE3")->Name(), "Ottawa, Ontario");
    EXPECT_EQ(atlas.Count, 371);
    // A new prefix moves the entry to its place.
    ASSERT_TRUE(
        ModifyAtlasEntry(atlas, "VE3", MakeAtlasEntry("K", "45 25", "75 42", "Ottawa, Ontario")));
    EXPECT_FALSE(FindAtlasEntry(atlas, "VE3"));
    EXPECT_EQ(FindAtlasEntry(atlas, "K")->Name(), "Ottawa, Ontario");
    EXPECT_TRUE(InAtlasOrder(atlas));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL"), AtlasFileBytes(atlas.Entries));
    // Refused: absent old prefix, or a new prefix another entry has.
    const std::string before = ReadBytes(dir / "Hopscope.ATL");
    EXPECT_FALSE(ModifyAtlasEntry(atlas, "VE0", MakeAtlasEntry("VE0", "0", "0", "x")));
    EXPECT_FALSE(ModifyAtlasEntry(atlas, "K", MakeAtlasEntry("W", "0", "0", "x")));
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL"), before);
}

TEST(ModifyAtlasEntry, AFailedWriteKeepsTheOldEntry) {
    TempDir dir;
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    const std::string before = ReadBytes(dir / "Hopscope.ATL");
    const FileWriteResult modified = WithFileSizeLimit(1000, [&] {
        return ModifyAtlasEntry(atlas, "VE3", MakeAtlasEntry("VE3", "0", "0", "Lost?"));
    });
    EXPECT_FALSE(modified);
    EXPECT_EQ(ReadBytes(dir / "Hopscope.ATL"), before);
    EXPECT_EQ(FindAtlasEntry(atlas, "VE3")->Name(), "Toronto, Ontario");
}

TEST(LoadAtlas, AnUnreadableLegacyAtlasGivesTheBuiltInPlacesAndWritesNothing) {
    // A folder where the legacy atlas should be (unreadable for root too): the built-in
    // places for this run, and no atlas file that would hide the legacy one for good.
    TempDir dir;
    std::filesystem::create_directory(dir / "QKT.ATL");
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    EXPECT_EQ(atlas.Count, 371);
    EXPECT_FALSE(std::filesystem::exists(dir / "Hopscope.ATL"));
    // Once it can be read, it is imported.
    std::filesystem::remove(dir / "QKT.ATL");
    WriteBytes(dir / "QKT.ATL", LegacyHeader(1) + LegacyRecord("HB", "47", "-8", "Zurich"));
    Atlas next;
    LoadAtlas(next, dir.Path());
    EXPECT_EQ(Prefixes(next), std::vector<std::string>{"HB"});
}

// With the legacy atlas unreadable (a folder in its place, or mode 000 for a user who
// is not root), adding, modifying or deleting is refused with the reason and writes no
// atlas file: one made from the built-in places would hide the legacy atlas's places for
// good. Once it can be read, the change is made to its places.
TEST(InsertAtlasEntry, IsRefusedWhileTheLegacyAtlasCannotBeRead) {
    TempDir dir;
    const std::filesystem::path legacy = dir / "QKT.ATL";
    const std::string legacyBytes = LegacyHeader(1) + LegacyRecord("HB", "47", "-8", "Zurich");
    struct Case {
        const char* name;
        std::function<bool()> makeUnreadable; // false when it cannot be made so here
        const char* reason;
    };
    const std::vector<Case> cases = {
        {"a folder", [&] { return std::filesystem::create_directory(legacy); }, "Is a directory"},
        {"mode 000",
         [&] {
             WriteBytes(legacy, legacyBytes);
             std::filesystem::permissions(legacy, std::filesystem::perms::none);
             return ::geteuid() != 0; // root reads it all the same
         },
         "Permission denied"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(legacy);
        if (!c.makeUnreadable())
            continue;
        Atlas atlas;
        LoadAtlas(atlas, dir.Path());
        ASSERT_EQ(atlas.Count, 371);
        const FileWriteResult added = InsertAtlasEntry(atlas, MakeAtlasEntry("0X", "1", "2", "X"));
        EXPECT_FALSE(added);
        EXPECT_NE(added.error.find(legacy.string() + " cannot be read (" + c.reason + ")"),
                  std::string::npos)
            << added.error;
        EXPECT_FALSE(DeleteAtlasEntry(atlas, "VE3"));
        EXPECT_FALSE(ModifyAtlasEntry(atlas, "VE3", MakeAtlasEntry("VE3", "1", "2", "Y")));
        EXPECT_FALSE(std::filesystem::exists(dir / "Hopscope.ATL"));
        EXPECT_EQ(atlas.Count, 371); // the built-in places still shown

        // Readable again: the same atlas in memory adds to the legacy atlas's places.
        std::filesystem::remove_all(legacy);
        WriteBytes(legacy, legacyBytes);
        ASSERT_TRUE(InsertAtlasEntry(atlas, MakeAtlasEntry("0X", "1", "2", "X")));
        EXPECT_EQ(Prefixes(atlas), (std::vector<std::string>{"0X", "HB"}));
        std::filesystem::remove(dir / "Hopscope.ATL");
    }
}

// The commands that only look places up read the atlas as the window loads it, into
// memory: the atlas file, else the legacy atlas, else the built-in places.
TEST(ReadAtlasWithoutWriting, ReadsTheLegacyAtlasIntoMemory) {
    TempDir dir;
    Atlas atlas;
    ReadAtlasWithoutWriting(atlas, dir.Path());
    EXPECT_EQ(atlas.Count, 371);
    WriteBytes(dir / "QKT.ATL", LegacyHeader(2) + LegacyRecord("HB", "47", "-8", "Zurich") +
                                    LegacyRecord("K", "1", "2", "Somewhere"));
    ReadAtlasWithoutWriting(atlas, dir.Path());
    EXPECT_EQ(Prefixes(atlas), (std::vector<std::string>{"HB", "K"}));
    EXPECT_EQ(FindAtlasEntry(atlas, "HB")->Name(), "Zurich");
    EXPECT_EQ(atlas.ByName.size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(dir / "Hopscope.ATL"));
    Atlas loaded;
    LoadAtlas(loaded, dir.Path()); // the window: the same places, now in the file
    EXPECT_EQ(Prefixes(loaded), Prefixes(atlas));
    WriteBytes(dir / "Hopscope.ATL", AtlasFileBytes({MakeAtlasEntry("DL", "50", "-10", "D")}));
    ReadAtlasWithoutWriting(atlas, dir.Path());
    EXPECT_EQ(Prefixes(atlas), std::vector<std::string>{"DL"});
}

TEST(InsertAtlasEntry, TwoProgramsAddingAtOnceLoseNoEntry) {
    // Two processes, each with the atlas loaded before the other's changes, add 200
    // entries each to one file: every change is made on the file as it is then.
    TempDir dir;
    Atlas start;
    LoadAtlas(start, dir.Path());
    ASSERT_EQ(start.Count, 371);
    constexpr int kEach = 200;
    std::vector<pid_t> children;
    for (const char* mark : {"A", "B"}) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            Atlas atlas;
            LoadAtlas(atlas, dir.Path());
            int failures = 0;
            for (int i = 0; i < kEach; ++i) {
                const std::string prefix = std::string("0") + mark + std::to_string(i);
                failures += !InsertAtlasEntry(atlas, MakeAtlasEntry(prefix, "1", "2", prefix));
            }
            ::_exit(failures == 0 ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    // A window that loaded the atlas before all that and then deletes an entry keeps
    // every entry the others added.
    ASSERT_TRUE(DeleteAtlasEntry(start, "VE3"));
    EXPECT_EQ(start.Count, 371 + 2 * kEach - 1);
    EXPECT_TRUE(FindAtlasEntry(start, "0A199"));
    EXPECT_TRUE(FindAtlasEntry(start, "0B0"));
    EXPECT_TRUE(InAtlasOrder(start));
    Atlas after;
    LoadAtlas(after, dir.Path());
    EXPECT_EQ(after.Count, 371 + 2 * kEach - 1);
}
