// The output files a user names: the standard streams through their links and "-",
// pipes, FIFOs and device nodes written into as they are, never replaced; regular
// files and missing paths replaced whole. Every FIFO and device node is made by the
// test in its own folder.

#include "core/OutputFile.h"

#include "core/ReadFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class OutputFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_root = fs::temp_directory_path() /
                 ("hopscope-output-" + std::to_string(::getpid()) + "-" +
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
    fs::path m_root;
};

// Runs `action` with file descriptor `stream` (1 or 2) put on `fd`, as a shell's
// redirection would, and puts the stream back afterwards.
template <class Action> FileWriteResult WithStream(int stream, int fd, Action action) {
    std::fflush(nullptr);
    const int saved = ::dup(stream);
    ::dup2(fd, stream);
    const FileWriteResult result = action();
    std::fflush(nullptr);
    ::dup2(saved, stream);
    ::close(saved);
    return result;
}

} // namespace

// `--out /dev/stdout >> app.log`: the log keeps its old lines and gets the new ones
// after them (a replacement through the link would have dropped the old lines).
TEST_F(OutputFileTest, AStandardStreamLinkAppendsToTheFileTheShellOpened) {
    const fs::path log = m_root / "app.log";
    std::ofstream(log) << "old line\n";
    for (const char* name : {"/dev/stdout", "/proc/self/fd/1", "/dev/fd/1", "-"}) {
        SCOPED_TRACE(name);
        const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND);
        ASSERT_GE(fd, 0);
        const FileWriteResult written =
            WithStream(1, fd, [&] { return WriteOutputFile(name, "new line\n"); });
        ::close(fd);
        EXPECT_TRUE(written.Ok()) << written.error;
        EXPECT_TRUE(IsDirectOutput(name));
    }
    EXPECT_EQ(Contents(log), "old line\nnew line\nnew line\nnew line\nnew line\n");
    // Standard error likewise.
    const int fd = ::open(log.c_str(), O_WRONLY | O_APPEND);
    ASSERT_TRUE(WithStream(2, fd, [] { return WriteOutputFile("/dev/stderr", "to stderr\n"); }));
    ::close(fd);
    EXPECT_EQ(Contents(log).substr(45), "to stderr\n");
}

// `map ... --out /dev/stdout | cat`: every byte reaches the pipe, which has no name a
// replacement could use.
TEST_F(OutputFileTest, AStandardStreamLinkWritesIntoAPipe) {
    const std::string bytes(200000, 'x'); // more than a pipe holds at once
    for (const char* name : {"/dev/stdout", "-"}) {
        SCOPED_TRACE(name);
        int ends[2];
        ASSERT_EQ(::pipe(ends), 0);
        std::string received;
        std::thread reader([&] {
            char buffer[4096];
            ssize_t n;
            while ((n = ::read(ends[0], buffer, sizeof buffer)) > 0)
                received.append(buffer, static_cast<std::size_t>(n));
        });
        const FileWriteResult written =
            WithStream(1, ends[1], [&] { return WriteOutputFile(name, bytes); });
        ::close(ends[1]);
        reader.join();
        ::close(ends[0]);
        EXPECT_TRUE(written.Ok()) << written.error;
        EXPECT_EQ(received.size(), bytes.size());
    }
}

TEST_F(OutputFileTest, AFifoIsWrittenIntoAndStaysAFifo) {
    const fs::path fifo = m_root / "out.fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_TRUE(IsDirectOutput(fifo));
    std::string received;
    std::thread reader([&] { received = Contents(fifo); });
    const FileWriteResult written = WriteOutputFile(fifo, "through the fifo");
    reader.join();
    EXPECT_TRUE(written.Ok()) << written.error;
    EXPECT_EQ(received, "through the fifo");
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_root), fs::directory_iterator()), 1);
}

// A copy of the null device made here (root only): written into, never replaced by a
// regular file.
TEST_F(OutputFileTest, ADeviceNodeIsWrittenIntoAndStaysADevice) {
    const fs::path device = m_root / "null";
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "cannot make a device node here";
    EXPECT_TRUE(IsDirectOutput(device));
    const FileWriteResult written = WriteOutputFile(device, "gone");
    EXPECT_TRUE(written.Ok()) << written.error;
    EXPECT_TRUE(fs::is_character_file(device));
}

TEST_F(OutputFileTest, FilesAndMissingPathsAreReplacedAndFoldersRefused) {
    const fs::path file = m_root / "table.csv";
    EXPECT_FALSE(IsDirectOutput(file));
    ASSERT_TRUE(WriteOutputFile(file, "first"));
    std::ofstream(file, std::ios::app) << " and more";
    EXPECT_FALSE(IsDirectOutput(file));
    ASSERT_TRUE(WriteOutputFile(file, "second"));
    EXPECT_EQ(Contents(file), "second");
    // A link to a file of the user's own is followed, as ReplaceFile does.
    fs::create_symlink(file, m_root / "link.csv");
    EXPECT_FALSE(IsDirectOutput(m_root / "link.csv"));
    ASSERT_TRUE(WriteOutputFile(m_root / "link.csv", "third"));
    EXPECT_EQ(Contents(file), "third");
    EXPECT_TRUE(fs::is_symlink(m_root / "link.csv"));

    const FileWriteResult folder = WriteOutputFile(m_root, "x");
    EXPECT_EQ(folder.error, "Is a directory");
    EXPECT_FALSE(IsDirectOutput(m_root));
}
