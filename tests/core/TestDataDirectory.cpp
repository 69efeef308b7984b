#include "core/DataDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A fresh folder under the system temporary folder, removed afterwards.
class DataDirectoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("hopscope-datadir-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }
    fs::path m_root;
};

} // namespace

TEST(UserDataDirectory, FollowsXdgThenHome) {
    EXPECT_EQ(UserDataDirectory("/x/data", "/home/u"), fs::path("/x/data/Hopscope"));
    EXPECT_EQ(UserDataDirectory("", "/home/u"), fs::path("/home/u/.local/share/Hopscope"));
    // A relative XDG_DATA_HOME is ignored, as the base-directory convention says.
    EXPECT_EQ(UserDataDirectory("rel/data", "/home/u"), fs::path("/home/u/.local/share/Hopscope"));
    EXPECT_TRUE(UserDataDirectory("", "").empty());
    EXPECT_TRUE(UserDataDirectory("rel", "also-rel").empty());
}

TEST(ProgramDirectory, IsTheFolderOfThisTestProgram) {
    const fs::path dir = ProgramDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_TRUE(fs::is_directory(dir));
    EXPECT_TRUE(dir.is_absolute());
}

TEST_F(DataDirectoryTest, OverrideWinsAndIsCreated) {
    const fs::path wanted = m_root / "a" / "b";
    const DataDirectoryResult r = ChooseDataDirectory(wanted.string(), m_root, m_root / "user");
    ASSERT_TRUE(r.Ok()) << r.error;
    EXPECT_EQ(r.directory, wanted);
    EXPECT_TRUE(fs::is_directory(wanted));
    EXPECT_FALSE(fs::exists(m_root / "user"));
}

TEST_F(DataDirectoryTest, OverrideThatIsAFileOrEmptyIsRefused) {
    const fs::path file = m_root / "plain";
    std::ofstream(file) << "x";
    const DataDirectoryResult r = ChooseDataDirectory(file.string(), m_root, {});
    EXPECT_FALSE(r.Ok());
    EXPECT_TRUE(r.directory.empty());
    EXPECT_NE(r.error.find("plain"), std::string::npos);
    EXPECT_FALSE(ChooseDataDirectory(std::string(), m_root, {}).Ok());
}

TEST_F(DataDirectoryTest, RelativeOverrideIsMadeAbsolute) {
    const fs::path saved = fs::current_path();
    fs::current_path(m_root);
    const DataDirectoryResult r = ChooseDataDirectory(std::string("rel"), {}, {});
    fs::current_path(saved);
    ASSERT_TRUE(r.Ok());
    EXPECT_TRUE(r.directory.is_absolute());
    EXPECT_EQ(r.directory, m_root / "rel");
}

TEST_F(DataDirectoryTest, MarkedProgramFolderIsTheDefault) {
    std::ofstream(m_root / kPortableMarkerFileName) << "";
    EXPECT_TRUE(IsPortableProgramDirectory(m_root));
    for (const DataAccess access : {DataAccess::ReadOnly, DataAccess::ReadWrite}) {
        const DataDirectoryResult r =
            ChooseDataDirectory(std::nullopt, m_root, m_root / "user", access);
        ASSERT_TRUE(r.Ok());
        EXPECT_EQ(r.directory, m_root);
    }
    EXPECT_FALSE(fs::exists(m_root / "user"));
}

// An install into a folder the user can write (~/.local/bin) is still an install.
TEST_F(DataDirectoryTest, UnmarkedProgramFolderUsesTheUserFolderEvenWhenWritable) {
    const fs::path user = m_root / "share" / "Hopscope";
    EXPECT_FALSE(IsPortableProgramDirectory(m_root));
    const DataDirectoryResult reader =
        ChooseDataDirectory(std::nullopt, m_root, user, DataAccess::ReadOnly);
    ASSERT_TRUE(reader.Ok());
    EXPECT_EQ(reader.directory, user);
    EXPECT_FALSE(fs::exists(m_root / "share")) << "a reader created the user folder";

    const DataDirectoryResult writer = ChooseDataDirectory(std::nullopt, m_root, user);
    ASSERT_TRUE(writer.Ok());
    EXPECT_EQ(writer.directory, user);
    EXPECT_TRUE(fs::is_directory(user));
}

TEST_F(DataDirectoryTest, NothingUsableAtAll) {
    // The user folder cannot be made because a file stands in its way.
    std::ofstream(m_root / "blocker") << "x";
    const fs::path user = m_root / "blocker" / "Hopscope";
    EXPECT_FALSE(ChooseDataDirectory(std::nullopt, {}, user).Ok());
    // A known program folder is still returned for reading.
    const fs::path missing = m_root / "gone";
    const DataDirectoryResult r = ChooseDataDirectory(std::nullopt, missing, user);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.directory, missing);
}

TEST_F(DataDirectoryTest, ReadingCommandsNeverCreateTheFolderTheyAreGiven) {
    const fs::path missing = m_root / "not-here";
    const DataDirectoryResult refused = ResolveExistingDataDirectory(missing.string());
    EXPECT_FALSE(refused.Ok());
    EXPECT_EQ(refused.error, "the data directory \"" + missing.string() + "\" does not exist");
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_FALSE(ResolveExistingDataDirectory(std::string()).Ok());

    EXPECT_FALSE(ChooseDataDirectory(missing.string(), m_root, {}, DataAccess::ReadOnly).Ok());
    EXPECT_FALSE(fs::exists(missing));

    const DataDirectoryResult found = ResolveExistingDataDirectory(m_root.string());
    ASSERT_TRUE(found.Ok()) << found.error;
    EXPECT_EQ(found.directory, m_root.lexically_normal());
}
