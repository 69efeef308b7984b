#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

/// The rows of a batch table.
inline constexpr int kBatchRows = 15;
/// The size of one row's record in a batch table file (".hbt").
inline constexpr std::size_t kBatchRecordSize = 293;

/// The columns of a batch table, in the order the window shows them.
enum class BatchColumn { TerminalA = 0, TerminalB, Date, Solar, KIndex, Path, Notes };
inline constexpr int kBatchColumns = 7;

/// The most bytes a cell of `column` holds in the file: 7, 7, 8, 6, 2, 1 and 255.
std::size_t BatchColumnCapacity(BatchColumn column);

/// One row of a batch table: seven texts, parsed only when the table is run.
struct BatchRecord {
    std::string TerminalA;  ///< "DEFAULT", an atlas prefix or a grid locator
    std::string TerminalB;  ///< as TerminalA
    std::string DateText;   ///< eight characters in the date order, or empty
    std::string SolarText;  ///< "S" + sunspot number, "F" + flux, or a bare number
    std::string KIndexText; ///< empty, "-1" or 0..9
    std::string PathText;   ///< "S", "L", "B" (or empty: both)
    std::string Notes;      ///< free text, not used by the run

    std::string& Cell(BatchColumn column);
    const std::string& Cell(BatchColumn column) const;
    bool operator==(const BatchRecord&) const = default;
};

/// The fifteen rows of a batch table.
struct BatchTable {
    std::array<BatchRecord, kBatchRows> Rows{};
    bool operator==(const BatchTable&) const = default;
};

/// A new table: every row has "S" as its path and "DEFAULT" as terminal A (empty
/// when `defaultDefined` is false), every other cell empty.
BatchTable DefaultBatchTable(bool defaultDefined);

using BatchRecordBytes = std::array<std::uint8_t, kBatchRecordSize>;

/// The 293-byte record of a row: seven length-prefixed texts at offsets 0, 8, 16, 25,
/// 32, 35 and 37 (a length byte, the characters cut to the capacity on a whole UTF-8
/// character by CutText, zero bytes up to the capacity).
BatchRecordBytes EncodeBatchRecord(const BatchRecord& record);

/// The row of a 293-byte record. A length byte above its field's capacity (a damaged
/// file) is read as the capacity, so nothing outside the field is read; the
/// characters are read as UTF-8, or as Latin-1 where they are not valid UTF-8.
/// Control characters (HasControlCharacter) come back as "?".
BatchRecord DecodeBatchRecord(std::span<const std::uint8_t, kBatchRecordSize> bytes);

/// True when a cell of the record holds a control character, which DecodeBatchRecord
/// shows as "?" (the user is told so when the file is read).
bool BatchRecordHasControlCharacters(std::span<const std::uint8_t, kBatchRecordSize> bytes);

/// The whole file of a table: its fifteen records, rows 1..15 in order (4,395 bytes).
/// `readBytes` are the records the table was read from (BatchFileRead::bytes, may be
/// empty): a cell whose text is still what its field there says is written with the
/// bytes it was read with, so Latin-1 text of an older file stays Latin-1 and keeps
/// its length; every other cell is written as UTF-8, cut as EncodeBatchRecord does.
std::string BatchTableFileBytes(const BatchTable& table, std::string_view readBytes = {});

/// A cell that does not fit its field: row 1..15 and its column.
struct BatchCutCell {
    int row = 0;
    BatchColumn column = BatchColumn::Notes;
    bool operator==(const BatchCutCell&) const = default;
};

/// The cells BatchTableFileBytes would cut (more bytes than the field holds, as UTF-8
/// or as read), in row and column order, so the user is told before a save.
std::vector<BatchCutCell> BatchCellsCutOnSave(const BatchTable& table,
                                              std::string_view readBytes = {});
