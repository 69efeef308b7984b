#include "batch/BatchFile.h"

#include "core/ReadFile.h"
#include "core/ReplaceFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

BatchFileRead ReadBatchTableFile(const fs::path& path) {
    BatchFileRead read;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        read.error = ec ? ec.message() : "not a file";
        return read;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        read.error = ec.message();
        return read;
    }
    read.recordCount = static_cast<std::size_t>(size / kBatchRecordSize);
    read.ignoredBytes = static_cast<std::size_t>(size % kBatchRecordSize);
    const std::size_t kept = std::min<std::size_t>(read.recordCount, kBatchRows);
    const FileReadResult file = ReadFilePart(path, 0, kept * kBatchRecordSize);
    if (!file || file.bytes.size() < kept * kBatchRecordSize) {
        read.error = file ? std::string("The file became shorter while it was read") : file.error;
        return read;
    }
    read.bytes = file.bytes;
    const std::string& bytes = read.bytes;
    for (std::size_t i = 0; i < kept; ++i) {
        const auto* first =
            reinterpret_cast<const std::uint8_t*>(bytes.data()) + i * kBatchRecordSize;
        const std::span<const std::uint8_t, kBatchRecordSize> record(first, kBatchRecordSize);
        read.records.push_back(DecodeBatchRecord(record));
        if (BatchRecordHasControlCharacters(record))
            read.controlRows.push_back(static_cast<int>(i) + 1);
    }
    read.ok = true;
    return read;
}

std::string BatchReadNote(const BatchFileRead& read) {
    std::string note;
    if (read.ignoredBytes > 0)
        note = "The last " + std::to_string(read.ignoredBytes) +
               " bytes of the file are not a whole row and were ignored.";
    if (read.recordCount > static_cast<std::size_t>(kBatchRows)) {
        if (!note.empty())
            note += "\r";
        note += "The file holds " + std::to_string(read.recordCount) +
                " rows; only the first 15 were read.";
    }
    if (!read.controlRows.empty()) {
        std::string rows;
        for (const int row : read.controlRows)
            rows += (rows.empty() ? "" : ", ") + std::to_string(row);
        if (!note.empty())
            note += "\r";
        note += "Control characters in row" +
                std::string(read.controlRows.size() > 1 ? "s " : " ") + rows + " are shown as ?.";
    }
    return note;
}

void PutBatchRecords(BatchTable& table, const std::vector<BatchRecord>& records) {
    for (std::size_t i = 0; i < records.size() && i < table.Rows.size(); ++i)
        table.Rows[i] = records[i];
}

FileWriteResult SaveBatchTableFile(const fs::path& path, const BatchTable& table,
                                   std::string_view readBytes) {
    return ReplaceFile(path, BatchTableFileBytes(table, readBytes));
}
