#include "batch/BatchTableText.h"
#include "core/Syntax.h"

#include "report/PredictionExport.h"
#include "report/PredictionSetup.h"
#include "text/JsonText.h"
#include "text/TextColumns.h"

#include <algorithm>

std::string BatchFrequencyLine(const Settings& settings) {
    const std::vector<std::string> texts = FrequencyTexts(settings);
    if (texts.empty())
        return "There are no current prediction frequencies";
    std::string line = texts.size() == 1 ? "The only current prediction frequency is"
                                         : "Current prediction frequencies are";
    for (const std::string& text : texts)
        line += " " + text + ",";
    line.pop_back();
    return line + " MHz";
}

std::array<std::string, 2> BatchColumnHeader(BatchColumn column, const DateConventions& dates) {
    switch (column) {
    case BatchColumn::TerminalA:
        return {"A Prefix", "or Locator"};
    case BatchColumn::TerminalB:
        return {"B Prefix", "or Locator"};
    case BatchColumn::Date:
        return {"Date", "(" + DateFormatText(dates) + ")"};
    case BatchColumn::Solar:
        return {"Solar", "Index"};
    case BatchColumn::KIndex:
        return {"K", "Index"};
    case BatchColumn::Path:
        return {"Path", "(S, L, B)"};
    case BatchColumn::Notes:
        break;
    }
    return {"Notes", ""};
}

std::string BatchColumnHint(BatchColumn column, const DateConventions& dates, bool sunspotPrimary) {
    switch (column) {
    case BatchColumn::TerminalA:
    case BatchColumn::TerminalB:
        return "Enter 'DEFAULT', the prefix of an atlas entry (press F8 to select from atlas), "
               "or a grid locator";
    case BatchColumn::Date:
        return DateHint(dates);
    case BatchColumn::Solar:
        return SolarIndexHint(sunspotPrimary);
    case BatchColumn::KIndex:
        return KIndexHint();
    case BatchColumn::Path:
        return "Enter 'S' for short path, 'L' for long path, or 'B' for both";
    case BatchColumn::Notes:
        break;
    }
    return {};
}

BatchCellRule BatchCellRuleOf(BatchColumn column) {
    switch (column) {
    case BatchColumn::TerminalA:
    case BatchColumn::TerminalB:
        return {"/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ", true, 7};
    case BatchColumn::Date:
        return {"0123456789", false, 8};
    case BatchColumn::Solar:
        return {".0123456789FS", true, 6};
    case BatchColumn::KIndex:
        return {"-0123456789", false, 2};
    case BatchColumn::Path:
        return {"BLS", true, 1};
    case BatchColumn::Notes:
        break;
    }
    return {"", false, static_cast<int>(BatchColumnCapacity(BatchColumn::Notes))};
}

BatchCellPosition MoveBatchCell(BatchCellPosition from, BatchMove move) {
    const int lastColumn = kBatchColumns - 1;
    const int lastRow = kBatchRows - 1;
    BatchCellPosition to = from;
    switch (move) {
    case BatchMove::Right:
        if (from.column < lastColumn)
            ++to.column;
        else if (from.row < lastRow)
            to = {from.row + 1, 0};
        break;
    case BatchMove::Left:
        to.column = std::max(0, from.column - 1);
        break;
    case BatchMove::Up:
        to.row = std::max(0, from.row - 1);
        break;
    case BatchMove::Down:
        to.row = std::min(lastRow, from.row + 1);
        break;
    case BatchMove::PageUp:
        to.row = 0;
        break;
    case BatchMove::Home:
        to.column = 0;
        break;
    }
    return to;
}

namespace {

constexpr std::array<BatchColumn, kBatchColumns> kColumns = {
    BatchColumn::TerminalA, BatchColumn::TerminalB, BatchColumn::Date, BatchColumn::Solar,
    BatchColumn::KIndex,    BatchColumn::Path,      BatchColumn::Notes};

// The text left-aligned in `width` characters (a longer text is kept whole).
std::string LeftAligned(const std::string& text, std::size_t width) {
    const std::size_t length = Utf8Length(text);
    return length >= width ? text : text + std::string(width - length, ' ');
}

} // namespace

std::string BatchTableListing(const BatchTable& table) {
    const std::array<const char*, kBatchColumns> names = {"A", "B",    "Date", "Solar",
                                                          "K", "Path", "Notes"};
    const std::array<std::size_t, kBatchColumns> widths = {8, 8, 9, 7, 3, 5, 0};
    std::string text = "Row ";
    for (std::size_t c = 0; c < kColumns.size(); ++c)
        text += LeftAligned(names[c], widths[c]);
    text += "\n";
    for (int r = 0; r < kBatchRows; ++r) {
        std::string line = LeftAligned(std::to_string(r + 1), 4);
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            line +=
                LeftAligned(table.Rows[static_cast<std::size_t>(r)].Cell(kColumns[c]), widths[c]);
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        text += line + "\n";
    }
    return text;
}

std::string BatchTableJson(const BatchTable& table) {
    const std::array<const char*, kBatchColumns> keys = {"a", "b",    "date", "solar",
                                                         "k", "path", "notes"};
    std::string json = "{\"rows\": [";
    for (int r = 0; r < kBatchRows; ++r) {
        json += r == 0 ? "\n " : ",\n ";
        json += "{\"row\": " + std::to_string(r + 1);
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            json += ", \"" + std::string(keys[c]) +
                    "\": " + JsonString(table.Rows[static_cast<std::size_t>(r)].Cell(kColumns[c]));
        json += "}";
    }
    return json + "]}\n";
}

std::string BatchRunJson(const std::vector<BatchRowRun>& rows) {
    std::string json = "{\"rows\": [";
    bool first = true;
    for (const BatchRowRun& row : rows) {
        json += first ? "\n " : ",\n ";
        first = false;
        json += "{\"row\": " + std::to_string(row.row) + ", \"status\": ";
        switch (row.status) {
        case BatchRowStatus::Ok: {
            std::string prediction = PredictionJson(row.result, row.kinds);
            if (!prediction.empty() && prediction.back() == '\n')
                prediction.pop_back();
            json += "\"OK\", \"prediction\": " + prediction;
            break;
        }
        case BatchRowStatus::Refused:
            json += "\"X\", \"reason\": " + JsonString(row.reason);
            break;
        case BatchRowStatus::Blank:
            json += "\"blank\"";
            break;
        case BatchRowStatus::NotRun:
            json += "\"not run\"";
            break;
        }
        json += "}";
    }
    return json + "]}\n";
}

std::string BatchCutText(const std::vector<BatchCutCell>& cut) {
    if (cut.empty())
        return {};
    const std::array<const char*, kBatchColumns> names = {
        "A Prefix", "B Prefix", "Date", "Solar Index", "K Index", "Path", "Notes"};
    std::string cells;
    for (const BatchCutCell& cell : cut)
        cells += (cells.empty() ? "" : ", ") + std::string("row ") + std::to_string(cell.row) +
                 " " + names[static_cast<std::size_t>(cell.column)];
    return "The text of " + cells + " is longer than the batch file can hold and would be cut " +
           "at the end.\rDo you want to save the table anyway?";
}
