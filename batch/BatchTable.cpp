#include "batch/BatchTable.h"

#include "core/Terminal.h"
#include "core/Utf8Text.h"
#include "report/TextColumns.h"

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

BatchRecordBytes EncodeBatchRecord(const BatchRecord& record) {
    BatchRecordBytes bytes{};
    for (BatchColumn column : kColumns) {
        const std::size_t offset = kOffsets[static_cast<std::size_t>(column)];
        const std::string text = CutText(record.Cell(column), BatchColumnCapacity(column));
        bytes[offset] = static_cast<std::uint8_t>(text.size());
        std::copy(text.begin(), text.end(),
                  bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1));
    }
    return bytes;
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

std::string BatchTableFileBytes(const BatchTable& table) {
    std::string bytes;
    bytes.reserve(kBatchRows * kBatchRecordSize);
    for (const BatchRecord& row : table.Rows) {
        const BatchRecordBytes record = EncodeBatchRecord(row);
        bytes.append(record.begin(), record.end());
    }
    return bytes;
}
