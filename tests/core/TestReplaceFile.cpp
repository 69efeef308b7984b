#include "core/ReplaceFile.h"

#include "core/ReadFile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
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
    const FileWriteResult result = ReplaceFile(m_root / "taken", "x");
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, "Is a directory"); // the reason, for the user's message
    EXPECT_EQ(Contents(m_root / "taken" / "inside"), "kept");
    EXPECT_EQ(FilesInRoot(), 1u);
}

TEST_F(ReplaceFileTest, StaleTemporaryFilesOfAKilledRunAreRemoved) {
    // What a kill during a rewrite leaves: the old file and a temporary one beside it.
    ASSERT_TRUE(ReplaceFile(m_root / "Hopscope.SAV", "settings"));
    const fs::path stale = m_root / "Hopscope.SAV.hopscope-tmp.Ab3dE9";
    const fs::path fresh = m_root / "Hopscope.ATL.hopscope-tmp.xY12zz";
    for (const fs::path& path : {stale, fresh, m_root / "Hopscope.SAV.bad", m_root / "notes.txt",
                                 m_root / "x.hopscope-tmp.toolong"})
        std::ofstream(path) << "partial";
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const char* name : {"Hopscope.SAV.bad", "notes.txt", "x.hopscope-tmp.toolong"})
        fs::last_write_time(m_root / name, hourAgo);
    fs::last_write_time(stale, hourAgo);

    EXPECT_EQ(RemoveStaleTemporaryFiles(m_root), 1);
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh)); // may belong to a write still going on
    EXPECT_EQ(Contents(m_root / "Hopscope.SAV"), "settings");
    EXPECT_EQ(FilesInRoot(), 5u);
    EXPECT_EQ(RemoveStaleTemporaryFiles(m_root / "no-such-folder"), 0);
}

TEST_F(ReplaceFileTest, ALinkIsFollowedAndWhatIsNoRegularFileIsWrittenNotReplaced) {
    // A symbolic link keeps pointing at its target, whose content is replaced in the
    // target's own folder.
    fs::create_directory(m_root / "real");
    std::ofstream(m_root / "real" / "report.txt") << "old";
    fs::create_symlink("real/report.txt", m_root / "link.txt");
    ASSERT_TRUE(ReplaceFile(m_root / "link.txt", "new"));
    EXPECT_TRUE(fs::is_symlink(m_root / "link.txt"));
    EXPECT_EQ(Contents(m_root / "real" / "report.txt"), "new");
    // A dangling link gets its target created.
    fs::create_symlink("real/later.txt", m_root / "dangling.txt");
    ASSERT_TRUE(ReplaceFile(m_root / "dangling.txt", "made"));
    EXPECT_TRUE(fs::is_symlink(m_root / "dangling.txt"));
    EXPECT_EQ(Contents(m_root / "real" / "later.txt"), "made");

    // A FIFO (as a device) is written into, never replaced by a file.
    const fs::path fifo = m_root / "pipe";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = Contents(fifo); });
    const FileWriteResult written = ReplaceFile(fifo, "through");
    reader.join();
    EXPECT_TRUE(written) << written.error;
    EXPECT_EQ(received, "through");
    EXPECT_TRUE(fs::is_fifo(fifo));
    ASSERT_TRUE(ReplaceFile("/dev/null", "nothing"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST_F(ReplaceFileTest, AReplacementRemovesStaleTemporaryFilesOfThatFileOnly) {
    // What a killed run of the command line leaves beside the table it rewrote.
    const fs::path stale = m_root / "contest.hbt.hopscope-tmp.Ab3dE9";
    const fs::path fresh = m_root / "contest.hbt.hopscope-tmp.xY12zz";
    const fs::path other = m_root / "other.hbt.hopscope-tmp.Qw12er";
    for (const fs::path& path : {stale, fresh, other})
        std::ofstream(path) << "partial";
    const auto hourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(stale, hourAgo);
    fs::last_write_time(other, hourAgo);
    ASSERT_TRUE(ReplaceFile(m_root / "contest.hbt", "table"));
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh)); // may belong to a write still going on
    EXPECT_TRUE(fs::exists(other));
}

TEST_F(ReplaceFileTest, ReadingNeverThrowsAndSaysWhy) {
    fs::create_directory(m_root / "folder");
    const FileReadResult folder = ReadWholeFile(m_root / "folder");
    EXPECT_EQ(folder.error, "Is a directory");
    EXPECT_EQ(ReadWholeFile(m_root / "missing").error, "No such file or directory");
    EXPECT_EQ(ReadWholeFile("/dev/zero").error, "Not a regular file");
    ASSERT_TRUE(ReplaceFile(m_root / "data", "0123456789"));
    const FileReadResult part = ReadFilePart(m_root / "data", 7, 100);
    ASSERT_TRUE(part);
    EXPECT_EQ(part.bytes, "789");
    EXPECT_EQ(part.fileSize, 10u);
    EXPECT_EQ(ReadFilePart(m_root / "data", 20).bytes, "");
    EXPECT_EQ(ReadWholeFile(m_root / "data").bytes, "0123456789");
}
