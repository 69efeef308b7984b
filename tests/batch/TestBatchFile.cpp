#include "batch/BatchFile.h"
#include "batch/BatchReportFile.h"
#include "batch/BatchTableText.h"
#include "core/Utf8Text.h"
#include "tests/atlas/AtlasTestSupport.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

/// While one exists, no file can grow beyond `bytes`: a write past it fails as on a
/// full disk (for root too, whom folder permissions do not stop).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

BatchRecord SampleRow() {
    BatchRecord row;
    row.TerminalA = "DEFAULT";
    row.TerminalB = "VK";
    row.DateText = "12/08/26";
    row.SolarText = "S125";
    row.KIndexText = "-1";
    row.PathText = "B";
    row.Notes = "CQ WW: 40 m opening";
    return row;
}

} // namespace

TEST(BatchFile, NewTableSavedWithoutEditsIsFifteenDefaultRecords) {
    const std::string bytes = BatchTableFileBytes(DefaultBatchTable(true));
    ASSERT_EQ(bytes.size(), 4395u);
    for (int r = 0; r < kBatchRows; ++r) {
        const std::string record = bytes.substr(static_cast<std::size_t>(r) * 293, 293);
        std::string expected(293, '\0');
        expected.replace(0, 8,
                         std::string("\x07"
                                     "DEFAULT",
                                     8));
        expected[35] = 1;
        expected[36] = 'S';
        EXPECT_EQ(record, expected) << "row " << r + 1;
    }
    // Without a default terminal, terminal A is empty.
    EXPECT_EQ(DefaultBatchTable(false).Rows[14].TerminalA, "");
    EXPECT_EQ(DefaultBatchTable(false).Rows[14].PathText, "S");
}

TEST(BatchFile, RecordLayoutAndRoundTrip) {
    const BatchRecord row = SampleRow();
    const BatchRecordBytes bytes = EncodeBatchRecord(row);
    EXPECT_EQ(bytes[8], 2);
    EXPECT_EQ(bytes[9], 'V');
    EXPECT_EQ(bytes[16], 8);
    EXPECT_EQ(bytes[25], 4);
    EXPECT_EQ(bytes[32], 2);
    EXPECT_EQ(bytes[35], 1);
    EXPECT_EQ(bytes[36], 'B');
    EXPECT_EQ(bytes[37], row.Notes.size());
    EXPECT_EQ(DecodeBatchRecord(bytes), row);
}

TEST(BatchFile, LongCellsAreCutAndDamagedLengthsClamped) {
    BatchRecord row;
    row.Notes = std::string(300, 'n');
    row.TerminalB = "ABCDEFGHIJ";
    BatchRecordBytes bytes = EncodeBatchRecord(row);
    EXPECT_EQ(bytes[37], 255);
    EXPECT_EQ(DecodeBatchRecord(bytes).Notes, std::string(255, 'n'));
    EXPECT_EQ(DecodeBatchRecord(bytes).TerminalB, "ABCDEFG");
    // A damaged length byte claims more than the field: only the field is read.
    bytes[0] = 200;
    bytes[35] = 9;
    // The zero bytes it then reads are control characters, shown as "?".
    EXPECT_EQ(DecodeBatchRecord(bytes).TerminalA, "???????");
    EXPECT_EQ(DecodeBatchRecord(bytes).PathText, "?");
    EXPECT_TRUE(BatchRecordHasControlCharacters(bytes));
    BatchRecord hostile;
    hostile.Notes = "\x1B[2Jgone\r\nnext\xC2\x9B";
    const BatchRecordBytes hostileBytes = EncodeBatchRecord(hostile);
    EXPECT_EQ(DecodeBatchRecord(hostileBytes).Notes, "?[2Jgone??next?");
    BatchFileRead read;
    read.controlRows = {2, 5};
    EXPECT_EQ(BatchReadNote(read), "Control characters in rows 2, 5 are shown as ?.");
    EXPECT_FALSE(BatchRecordHasControlCharacters(EncodeBatchRecord(row)));
    // Latin-1 text from an older file comes back as UTF-8.
    BatchRecordBytes latin{};
    latin[37] = 3;
    latin[38] = 'M';
    latin[39] = 0xFC; // ü
    latin[40] = 'n';
    EXPECT_EQ(DecodeBatchRecord(latin).Notes, "M\xC3\xBCn");
}

TEST(BatchFile, Latin1CellsAreSavedAsReadAndACutIsToldFirst) {
    // Seven "é" and a 255-character note in Latin-1, from an older file.
    BatchRecordBytes latin{};
    latin[37] = 255;
    for (std::size_t i = 0; i < 255; ++i)
        latin[38 + i] = i < 7 ? 0xE9 : 'n';
    std::string file;
    for (int r = 0; r < kBatchRows; ++r)
        file.append(latin.begin(), latin.end());
    BatchTable table;
    for (BatchRecord& row : table.Rows)
        row = DecodeBatchRecord(latin);
    ASSERT_EQ(Utf8Length(table.Rows[0].Notes), 255u);
    // Unchanged cells go back byte for byte; nothing is cut.
    EXPECT_EQ(BatchTableFileBytes(table, file), file);
    EXPECT_TRUE(BatchCellsCutOnSave(table, file).empty());
    // Without the bytes it was read with, as UTF-8 it would not fit: told first.
    EXPECT_EQ(BatchCellsCutOnSave(table).size(), 15u);
    // An edited cell is written as UTF-8: one that fits is kept whole, one that does
    // not is reported.
    table.Rows[1].Notes = "caf\xC3\xA9";
    table.Rows[2].Notes += "\xC3\xA9";
    const std::string saved = BatchTableFileBytes(table, file);
    EXPECT_EQ(DecodeBatchRecord(std::span<const std::uint8_t, kBatchRecordSize>(
                                    reinterpret_cast<const std::uint8_t*>(saved.data()) + 293, 293))
                  .Notes,
              "caf\xC3\xA9");
    EXPECT_EQ(BatchCellsCutOnSave(table, file),
              (std::vector<BatchCutCell>{{3, BatchColumn::Notes}}));
    EXPECT_EQ(BatchCutText({{3, BatchColumn::Notes}}),
              "The text of row 3 Notes is longer than the batch file can hold and would be cut "
              "at the end.\rDo you want to save the table anyway?");
}

TEST(BatchFile, SaveAndOpenWholeAndPartialFiles) {
    TempDir dir;
    BatchTable table = DefaultBatchTable(true);
    table.Rows[0] = SampleRow();
    table.Rows[14].Notes = "last";
    ASSERT_TRUE(SaveBatchTableFile(dir / "t.hbt", table));
    BatchFileRead read = ReadBatchTableFile(dir / "t.hbt");
    ASSERT_TRUE(read.ok);
    BatchTable back = DefaultBatchTable(false);
    PutBatchRecords(back, read.records);
    EXPECT_EQ(back, table);
    EXPECT_EQ(BatchReadNote(read), "");

    // Two records fill rows 1 and 2; the others keep what they held.
    const std::string two = BatchTableFileBytes(table).substr(0, 2 * 293);
    WriteBytes(dir / "two.hbt", two);
    read = ReadBatchTableFile(dir / "two.hbt");
    ASSERT_TRUE(read.ok);
    BatchTable target = DefaultBatchTable(false);
    target.Rows[2].Notes = "kept";
    PutBatchRecords(target, read.records);
    EXPECT_EQ(target.Rows[0], table.Rows[0]);
    EXPECT_EQ(target.Rows[1], table.Rows[1]);
    EXPECT_EQ(target.Rows[2].Notes, "kept");
    EXPECT_EQ(target.Rows[3].TerminalA, "");

    // A trailing partial record is ignored and said so.
    WriteBytes(dir / "partial.hbt", two + std::string(100, 'x'));
    read = ReadBatchTableFile(dir / "partial.hbt");
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.records.size(), 2u);
    EXPECT_EQ(read.ignoredBytes, 100u);
    EXPECT_NE(BatchReadNote(read).find("100 bytes"), std::string::npos);

    // More than fifteen records: the first fifteen are kept.
    WriteBytes(dir / "long.hbt", BatchTableFileBytes(table) + two);
    read = ReadBatchTableFile(dir / "long.hbt");
    EXPECT_EQ(read.records.size(), 15u);
    EXPECT_EQ(read.recordCount, 17u);
    EXPECT_NE(BatchReadNote(read).find("17 rows"), std::string::npos);

    EXPECT_FALSE(ReadBatchTableFile(dir / "missing.hbt").ok);
    EXPECT_FALSE(ReadBatchTableFile(dir.Path()).ok);
}

TEST(BatchFile, FailedSaveKeepsTheOldFile) {
    TempDir dir;
    WriteBytes(dir / "t.hbt", "old table");
    {
        const FileSizeLimit full(1000);
        EXPECT_FALSE(SaveBatchTableFile(dir / "t.hbt", DefaultBatchTable(true)));
    }
    EXPECT_EQ(ReadBytes(dir / "t.hbt"), "old table");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(BatchReportFile, AppendKeepsRunsInOrderAndFailuresLeaveTheOldFile) {
    TempDir dir;
    const auto path = dir / "r.hpf";
    ASSERT_TRUE(WriteReportFile(path, "first\r\n", ReportFileMode::Create).ok);
    ASSERT_TRUE(WriteReportFile(path, "second\r\n", ReportFileMode::Append).ok);
    EXPECT_EQ(ReadBytes(path), "first\r\nsecond\r\n");
    ASSERT_TRUE(WriteReportFile(path, "third\r\n", ReportFileMode::Overwrite).ok);
    EXPECT_EQ(ReadBytes(path), "third\r\n");

    const ReportFileResult failed =
        WriteReportFile(dir / "no-folder" / "r.hpf", "x", ReportFileMode::Create);
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.message.rfind("Unable to write the report file: ", 0), 0u);
    {
        const FileSizeLimit limit(100);
        const ReportFileResult full =
            WriteReportFile(path, std::string(200, 'x'), ReportFileMode::Append);
        EXPECT_FALSE(full.ok);
        EXPECT_NE(full.message.find("File too large"), std::string::npos) << full.message;
    }
    EXPECT_EQ(ReadBytes(path), "third\r\n");
    // A folder standing where the report goes: the reason, never an exception.
    std::filesystem::create_directory(dir / "taken.hpf");
    for (const ReportFileMode mode : {ReportFileMode::Append, ReportFileMode::Overwrite}) {
        const ReportFileResult refused = WriteReportFile(dir / "taken.hpf", "x", mode);
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.message, "Unable to write the report file: " +
                                       (dir / "taken.hpf").string() + ": Is a directory");
    }
}
