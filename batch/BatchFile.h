#pragma once

#include "batch/BatchTable.h"
#include "core/ReplaceFile.h"

#include <filesystem>
#include <string>
#include <vector>

/// What reading a batch table file found.
struct BatchFileRead {
    bool ok = false;
    std::vector<BatchRecord> records; ///< the first fifteen whole records, in order
    std::size_t recordCount = 0;      ///< every whole record of the file
    std::size_t ignoredBytes = 0;     ///< bytes after the last whole record
    std::string error;                ///< why the file could not be read (when not ok)
    std::vector<int> controlRows;     ///< rows (1-based) whose control characters became "?"
    std::string bytes;                ///< the bytes of `records`, as read
};

/// Reads a whole batch table file before anything is shown: file size div 293
/// records, of which the first fifteen are kept. A missing or unreadable file gives
/// not ok with the reason; nothing is half read.
BatchFileRead ReadBatchTableFile(const std::filesystem::path& path);

/// What the user is told about a file that was read but not completely used: the
/// trailing bytes that are not a whole record, the records after the fifteenth, and the
/// rows whose control characters are shown as "?". Empty when every byte was used as
/// it was.
std::string BatchReadNote(const BatchFileRead& read);

/// The records put into rows 1, 2, ... of the table; the rows after them keep their
/// content.
void PutBatchRecords(BatchTable& table, const std::vector<BatchRecord>& records);

/// Writes the fifteen records of the table to `path` through a temporary file and a
/// rename (BatchTableFileBytes with the bytes the table was read from, may be empty):
/// the reason (the old file untouched) when that fails.
[[nodiscard]] FileWriteResult SaveBatchTableFile(const std::filesystem::path& path,
                                                 const BatchTable& table,
                                                 std::string_view readBytes = {});
