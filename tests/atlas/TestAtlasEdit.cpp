// Adding, modifying and deleting atlas entries through the checks the atlas windows
// and the command line share: messages, the atomic rewrite and the two indexes.

#include "atlas/AtlasEdit.h"
#include "atlas/AtlasFile.h"
#include "atlas/AtlasView.h"
#include "tests/atlas/AtlasTestSupport.h"

#include <gtest/gtest.h>

namespace {

AtlasEntryTexts Texts(std::string prefix, std::string lat, std::string lon, std::string name) {
    return {std::move(prefix), std::move(lat), std::move(lon), std::move(name)};
}

bool InOrder(const Atlas& atlas, AtlasIndex index) {
    const std::size_t n = atlas.Entries.size();
    for (std::size_t p = 2; p <= n; ++p) {
        const AtlasEntry& a = AtlasEntryAt(atlas, index, p - 1);
        const AtlasEntry& b = AtlasEntryAt(atlas, index, p);
        const int order = index == AtlasIndex::ByPrefix ? CompareAtlasText(a.Prefix(), b.Prefix())
                                                        : CompareAtlasText(a.Name(), b.Name());
        if (order > 0)
            return false;
    }
    return true;
}

struct LoadedAtlas {
    LoadedAtlas() { LoadAtlas(atlas, dir.Path()); }
    std::string FileBytes() const { return ReadBytes(dir / "Hopscope.ATL"); }
    TempDir dir;
    Atlas atlas;
};

} // namespace

TEST(AtlasEdit, AddThenFindBetweenItsNeighbours) {
    LoadedAtlas a;
    const AtlasEditResult added =
        AddEntryFromTexts(a.atlas, Texts(" k ", "40", "100", "  Kansas  "), false);
    ASSERT_TRUE(added);
    EXPECT_EQ(added.message.text, "K entry added to atlas");
    EXPECT_EQ(added.message.kind, MessageKind::Information);
    const std::optional<AtlasEntry> k = FindAtlasEntry(a.atlas, "K");
    ASSERT_TRUE(k);
    EXPECT_EQ(k->Name(), "Kansas");
    const std::vector<std::string> lines = AtlasViewLines(a.atlas, PrefixSearchMode::ByPrefix);
    const auto at = std::find_if(lines.begin(), lines.end(),
                                 [](const std::string& line) { return line.rfind(" K ", 0) == 0; });
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(at[-1].substr(0, 4), " JY ");
    EXPECT_EQ(at[1].substr(0, 5), " KC4 ");
    EXPECT_EQ(a.FileBytes(), AtlasFileBytes(a.atlas.Entries));
}

TEST(AtlasEdit, RefusalsNameTheProblemAndWriteNothing) {
    LoadedAtlas a;
    const std::string before = a.FileBytes();
    const auto refusal = [&](const AtlasEntryTexts& texts) {
        const AtlasEditResult result = AddEntryFromTexts(a.atlas, texts, false);
        EXPECT_FALSE(result);
        return result.message.text;
    };
    EXPECT_EQ(refusal(Texts("VE3", "1", "1", "x")), "Prefix VE3 is in use by another entry");
    EXPECT_EQ(refusal(Texts("  ", "1", "1", "x")),
              "You must provide a prefix for this atlas entry");
    EXPECT_EQ(refusal(Texts("K/", "1", "1", "x")), "You have not entered a valid prefix");
    EXPECT_EQ(refusal(Texts("K", "91", "1", "x")),
              "Please enter a latitude between -90 and +90 degrees.");
    EXPECT_EQ(refusal(Texts("K", "1", "1", " ")), "A Name is required");
    EXPECT_EQ(refusal(Texts("FN31", "41.5", "73", "Grid")),
              "Prefix FN31 is also a valid grid locator.\rOK?");
    EXPECT_EQ(a.FileBytes(), before);
    EXPECT_EQ(a.atlas.Count, 371);
    // Confirmed, the locator-like prefix goes in.
    EXPECT_TRUE(AddEntryFromTexts(a.atlas, Texts("FN31", "41.5", "73", "Grid"), true));
}

TEST(AtlasEdit, ModifyChangesOneEntryAndKeepsBothIndexesInOrder) {
    LoadedAtlas a;
    const std::vector<AtlasEntry> before = a.atlas.Entries;
    AtlasEntryTexts changes;
    changes.name = "Ottawa, Ontario";
    changes.latitude = "45 25";
    const AtlasEditResult modified = ModifyEntryFromTexts(a.atlas, "VE3", changes, false);
    ASSERT_TRUE(modified);
    EXPECT_EQ(modified.message.text, "Atlas modified");
    ASSERT_EQ(a.atlas.Entries.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i].Prefix() == "VE3") {
            EXPECT_EQ(a.atlas.Entries[i],
                      MakeAtlasEntry("VE3", "45 25", before[i].Longitude(), "Ottawa, Ontario"));
        } else {
            EXPECT_EQ(a.atlas.Entries[i], before[i]) << i;
        }
    }
    EXPECT_TRUE(InOrder(a.atlas, AtlasIndex::ByPrefix));
    EXPECT_TRUE(InOrder(a.atlas, AtlasIndex::ByName));

    // A new prefix moves the entry; one already taken is refused.
    AtlasEntryTexts rename;
    rename.prefix = "VE0";
    EXPECT_TRUE(ModifyEntryFromTexts(a.atlas, "VE3", rename, false));
    EXPECT_TRUE(InOrder(a.atlas, AtlasIndex::ByPrefix));
    EXPECT_TRUE(InOrder(a.atlas, AtlasIndex::ByName));
    rename.prefix = "W";
    EXPECT_EQ(ModifyEntryFromTexts(a.atlas, "VE0", rename, false).message.text,
              "Prefix W is in use by another entry");
    EXPECT_EQ(ModifyEntryFromTexts(a.atlas, "VE3", rename, false).message.text,
              "Prefix VE3 not found in atlas");
    EXPECT_EQ(a.FileBytes(), AtlasFileBytes(a.atlas.Entries));
}

TEST(AtlasEdit, OddImportedPrefixesCanBeKeptModifiedAndDeleted) {
    TempDir dir;
    WriteBytes(dir / "Hopscope.ATL", AtlasFileBytes({MakeAtlasEntry("K-1", "1", "2", "Odd"),
                                                     MakeAtlasEntry("W", "39 50", "98 35", "USA"),
                                                     MakeAtlasEntry("w9x", "3", "4", "Lower")}));
    Atlas atlas;
    LoadAtlas(atlas, dir.Path());
    ASSERT_EQ(atlas.Count, 3);
    EXPECT_TRUE(CheckExistingPrefix(atlas, "K-1", AtlasEdit::Modify));
    EXPECT_TRUE(CheckModifiedPrefix(atlas, "K-1", "K-1")); // kept as stored
    EXPECT_FALSE(CheckModifiedPrefix(atlas, "K-2", "K-1"));
    AtlasEntryTexts changes;
    changes.name = "Still odd";
    EXPECT_TRUE(ModifyEntryFromTexts(atlas, "K-1", changes, false));
    EXPECT_EQ(FindAtlasEntry(atlas, "K-1")->Name(), "Still odd");

    const AtlasEditResult deleted = DeleteEntryByPrefix(atlas, "w9x");
    ASSERT_TRUE(deleted);
    EXPECT_EQ(deleted.message.text, "w9x entry deleted from atlas");
    EXPECT_TRUE(DeleteEntryByPrefix(atlas, "K-1"));
    EXPECT_EQ(atlas.Count, 1);
    // Absent prefixes: a bad one gets the prefix message, a good one "not found".
    EXPECT_EQ(DeleteEntryByPrefix(atlas, "Q-2").message.text,
              "You have not entered a valid prefix");
    EXPECT_EQ(DeleteEntryByPrefix(atlas, "VE3").message.text, "Prefix VE3 not found in atlas");
    EXPECT_EQ(DeleteEntryByPrefix(atlas, "").message.text,
              "You must provide the prefix of the atlas entry you want to delete");
}

TEST(AtlasEdit, AFailedRewriteKeepsTheFileAndTheAtlasWhole) {
    LoadedAtlas a;
    const std::string before = a.FileBytes();
    const std::vector<AtlasEntry> entries = a.atlas.Entries;
    const auto onFullDisk = [&](auto change) { return WithFileSizeLimit(1000, change); };
    const AtlasEditResult added = onFullDisk(
        [&] { return AddEntryFromTexts(a.atlas, Texts("K", "40", "100", "Kansas"), false); });
    // The program's text, then the file and the system's reason.
    EXPECT_EQ(added.message.text,
              "Error writing atlas file\r" + a.atlas.FilePath.string() + ": File too large");
    AtlasEntryTexts changes;
    changes.name = "Lost?";
    EXPECT_EQ(onFullDisk([&] {
                  return ModifyEntryFromTexts(a.atlas, "VE3", changes, false);
              }).message.text.substr(0, 27),
              "Error modifying atlas file\r");
    EXPECT_EQ(
        onFullDisk([&] { return DeleteEntryByPrefix(a.atlas, "VE3"); }).message.text.substr(0, 28),
        "Error re-writing atlas file\r");
    EXPECT_EQ(a.FileBytes(), before);
    EXPECT_EQ(a.atlas.Entries, entries);
    EXPECT_EQ(FindAtlasEntry(a.atlas, "VE3")->Name(), "Toronto, Ontario");
}

TEST(AtlasEdit, AddRefusesAnAtlasFileThatCouldNotBeRead) {
    TempDir dir;
    Atlas atlas; // what a failed read leaves: no entries, the file full of records
    atlas.Count = 0;
    atlas.FilePath = dir / "Hopscope.ATL";
    const std::string records = AtlasFileBytes(BuiltInAtlasEntries());
    WriteBytes(atlas.FilePath, records);
    const AtlasEditResult result = AddEntryFromTexts(atlas, Texts("K", "40", "100", "K"), false);
    EXPECT_FALSE(result);
    EXPECT_EQ(result.message.text,
              "Atlas file " + atlas.FilePath.string() + " not found\ror the file is corrupt.");
    EXPECT_EQ(ReadBytes(atlas.FilePath), records);
    // An empty file, or none at all, is simply an empty atlas to add to.
    WriteBytes(atlas.FilePath, "");
    EXPECT_TRUE(AtlasAddBlocker(atlas).IsEmpty());
    std::filesystem::remove(atlas.FilePath);
    EXPECT_TRUE(AddEntryFromTexts(atlas, Texts("K", "40", "100", "K"), false));
    EXPECT_EQ(atlas.Count, 1);
}

TEST(AtlasEdit, TextsAreTrimmedThenCutToTheirCapacities) {
    const AtlasEntry entry =
        AtlasEntryFromTexts("  VE3 ", " 43 39", "79 23 ", "  St. John's, Newfoundland ");
    EXPECT_EQ(entry.Prefix(), "VE3");
    EXPECT_EQ(entry.Latitude(), "43 39");
    EXPECT_EQ(entry.Longitude(), "79 23");
    EXPECT_EQ(entry.Name(), "St. John's, Newfo");
}

TEST(AtlasView, CaptionHeaderAndLineColumns) {
    EXPECT_EQ(AtlasViewCaption(PrefixSearchMode::ByPrefix, 371),
              "View Atlas by Prefix (371 entries)");
    EXPECT_EQ(AtlasViewCaption(PrefixSearchMode::ByName, 1), "View Atlas by Name (1 entry)");
    const AtlasEntry ve3 = MakeAtlasEntry("VE3", "43 39", "79 23", "Toronto, Ontario");
    EXPECT_EQ(AtlasViewLine(ve3, PrefixSearchMode::ByPrefix),
              " VE3      Toronto, Ontario    43 39        79 23      ");
    EXPECT_EQ(AtlasViewLine(ve3, PrefixSearchMode::ByName),
              " Toronto, Ontario    VE3      43 39        79 23      ");
    EXPECT_EQ(AtlasViewHeader(PrefixSearchMode::ByName).find("Prefix"), 20u);
}
