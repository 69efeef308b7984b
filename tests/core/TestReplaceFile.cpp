#include "core/ReplaceFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A fresh folder under the system temporary folder, removed afterwards.
class ReplaceFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("hopscope-replace-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_root);
        fs::create_directories(m_root);
    }
    void TearDown() override { fs::remove_all(m_root); }

    static std::string Contents(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::size_t FilesInRoot() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_root), fs::directory_iterator()));
    }
    fs::path m_root;
};

} // namespace

TEST_F(ReplaceFileTest, WritesANewFileAndReplacesItKeepingItsPermissions) {
    const fs::path file = m_root / "data.bin";
    ASSERT_TRUE(ReplaceFile(file, std::string_view("first\0bytes", 11)));
    EXPECT_EQ(Contents(file), std::string("first\0bytes", 11));
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::mask,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);

    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ReplaceFile(file, "second"));
    EXPECT_EQ(Contents(file), "second");
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::mask,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FilesInRoot(), 1u); // no temporary file is left behind
}

TEST_F(ReplaceFileTest, AFailureLeavesTheOldFileAndNoTemporaryFile) {
    EXPECT_FALSE(ReplaceFile(m_root / "no-such-folder" / "data.bin", "x"));
    // A folder standing where the file should go cannot be replaced by a file.
    fs::create_directory(m_root / "taken");
    std::ofstream(m_root / "taken" / "inside") << "kept";
    EXPECT_FALSE(ReplaceFile(m_root / "taken", "x"));
    EXPECT_EQ(Contents(m_root / "taken" / "inside"), "kept");
    EXPECT_EQ(FilesInRoot(), 1u);
}
