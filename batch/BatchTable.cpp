#include "batch/BatchTable.h"

#include "core/Terminal.h"
#include "core/Utf8Text.h"
#include "text/TextColumns.h"

#include <algorithm>

namespace {

/// Where each column's text lies in the record: the offset of its length byte.
constexpr std::array<std::size_t, kBatchColumns> kOffsets = {0, 8, 16, 25, 32, 35, 37};
constexpr std::array<std::size_t, kBatchColumns> kCapacities = {7, 7, 8, 6, 2, 1, 255};

constexpr std::array<BatchColumn, kBatchColumns> kColumns = {
    BatchColumn::TerminalA, BatchColumn::TerminalB, BatchColumn::Date, BatchColumn::Solar,
    BatchColumn::KIndex,    BatchColumn::Path,      BatchColumn::Notes};

} // namespace

std::size_t BatchColumnCapacity(BatchColumn column) {
    return kCapacities[static_cast<std::size_t>(column)];
}

std::string& BatchRecord::Cell(BatchColumn column) {
    switch (column) {
    case BatchColumn::TerminalA:
        return TerminalA;
    case BatchColumn::TerminalB:
        return TerminalB;
    case BatchColumn::Date:
        return DateText;
    case BatchColumn::Solar:
        return SolarText;
    case BatchColumn::KIndex:
        return KIndexText;
    case BatchColumn::Path:
        return PathText;
    case BatchColumn::Notes:
        break;
    }
    return Notes;
}

const std::string& BatchRecord::Cell(BatchColumn column) const {
    return const_cast<BatchRecord&>(*this).Cell(column);
}

BatchTable DefaultBatchTable(bool defaultDefined) {
    BatchTable table;
    for (BatchRecord& row : table.Rows) {
        row.TerminalA = defaultDefined ? "DEFAULT" : "";
        row.PathText = "S";
    }
    return table;
}

namespace {

// The text of a cell as its field holds it in a record (no more than the capacity).
std::string FieldBytes(std::span<const std::uint8_t, kBatchRecordSize> bytes, BatchColumn column) {
    const std::size_t offset = kOffsets[static_cast<std::size_t>(column)];
    const std::size_t length = std::min<std::size_t>(bytes[offset], BatchColumnCapacity(column));
    const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1);
    return std::string(first, first + static_cast<std::ptrdiff_t>(length));
}

// The bytes a cell goes to the file with, before any cut: those it was read with when
// its text is still what they say (Latin-1 text stays Latin-1), else its UTF-8.
std::string CellBytes(const BatchRecord& record, BatchColumn column, std::string_view readRecord) {
    const std::string& text = record.Cell(column);
    if (readRecord.size() == kBatchRecordSize) {
        const std::span<const std::uint8_t, kBatchRecordSize> read(
            reinterpret_cast<const std::uint8_t*>(readRecord.data()), kBatchRecordSize);
        std::string written = FieldBytes(read, column);
        if (WithoutControlCharacters(ToValidUtf8(written)) == text)
            return written;
    }
    return text;
}

// The record of a row, each cell as CellBytes gives it, cut to its capacity.
BatchRecordBytes EncodeRow(const BatchRecord& record, std::string_view readRecord) {
    BatchRecordBytes bytes{};
    for (BatchColumn column : kColumns) {
        const std::size_t offset = kOffsets[static_cast<std::size_t>(column)];
        const std::string text =
            CutText(CellBytes(record, column, readRecord), BatchColumnCapacity(column));
        bytes[offset] = static_cast<std::uint8_t>(text.size());
        std::copy(text.begin(), text.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1));
    }
    return bytes;
}

// The record the table's row `row` was read from, or nothing.
std::string_view ReadRecord(std::string_view readBytes, std::size_t row) {
    if (readBytes.size() < (row + 1) * kBatchRecordSize)
        return {};
    return readBytes.substr(row * kBatchRecordSize, kBatchRecordSize);
}

} // namespace

BatchRecordBytes EncodeBatchRecord(const BatchRecord& record) {
    return EncodeRow(record, {});
}

BatchRecord DecodeBatchRecord(std::span<const std::uint8_t, kBatchRecordSize> bytes) {
    BatchRecord record;
    for (BatchColumn column : kColumns) {
        const std::size_t offset = kOffsets[static_cast<std::size_t>(column)];
        const std::size_t length =
            std::min<std::size_t>(bytes[offset], BatchColumnCapacity(column));
        const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1);
        record.Cell(column) = WithoutControlCharacters(
            ToValidUtf8(std::string(first, first + static_cast<std::ptrdiff_t>(length))));
    }
    return record;
}

bool BatchRecordHasControlCharacters(std::span<const std::uint8_t, kBatchRecordSize> bytes) {
    for (BatchColumn column : kColumns) {
        const std::size_t offset = kOffsets[static_cast<std::size_t>(column)];
        const std::size_t length =
            std::min<std::size_t>(bytes[offset], BatchColumnCapacity(column));
        const auto first = bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1);
        if (HasControlCharacter(
                ToValidUtf8(std::string(first, first + static_cast<std::ptrdiff_t>(length)))))
            return true;
    }
    return false;
}

std::string BatchTableFileBytes(const BatchTable& table, std::string_view readBytes) {
    std::string bytes;
    bytes.reserve(kBatchRows * kBatchRecordSize);
    for (std::size_t r = 0; r < table.Rows.size(); ++r) {
        const BatchRecordBytes record = EncodeRow(table.Rows[r], ReadRecord(readBytes, r));
        bytes.append(record.begin(), record.end());
    }
    return bytes;
}

std::vector<BatchCutCell> BatchCellsCutOnSave(const BatchTable& table, std::string_view readBytes) {
    std::vector<BatchCutCell> cut;
    for (std::size_t r = 0; r < table.Rows.size(); ++r)
        for (BatchColumn column : kColumns)
            if (CellBytes(table.Rows[r], column, ReadRecord(readBytes, r)).size() >
                BatchColumnCapacity(column))
                cut.push_back({static_cast<int>(r) + 1, column});
    return cut;
}
