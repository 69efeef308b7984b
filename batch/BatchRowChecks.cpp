#include "batch/BatchRowChecks.h"

#include "atlas/AtlasEntry.h"
#include "atlas/ResolveTerminal.h"
#include "core/Syntax.h"
#include "core/Utf8Text.h"
#include "settings/DefaultTerminal.h"

namespace {

BatchRowCheck Refuse(BatchRowCheck check, std::string reason) {
    check.status = BatchRowStatus::Refused;
    check.reason = std::move(reason);
    return check;
}

} // namespace

std::string BatchStatusText(BatchRowStatus status) {
    switch (status) {
    case BatchRowStatus::Ok:
        return "OK";
    case BatchRowStatus::Refused:
        return "X";
    case BatchRowStatus::NotRun:
    case BatchRowStatus::Blank:
        break;
    }
    return {};
}

TerminalCheck CheckBatchTerminal(std::string_view cell, const std::string& letter,
                                 const BatchContext& context) {
    TerminalCheck check;
    if (cell.empty()) {
        check.reason = "Terminal " + letter + ": no prefix or grid locator";
        return check;
    }
    const TerminalTexts typed{std::string(cell), {}, {}, {}};
    const ResolvedTerminal resolved =
        ResolveTerminal(typed, letter.empty() ? 'A' : letter[0],
                        {context.atlas, DefinedDefaultTerminal(context.settings)});
    if (!resolved) {
        check.reason = "Terminal " + letter + ": " + OneLineText(resolved.message);
        return check;
    }
    check.ok = true;
    check.terminal = resolved.terminal;
    // A grid locator names its terminal in the report.
    NameLocatorTerminal(check.terminal);
    // DEFAULT brings the settings' name: control characters in it are shown as "?".
    check.terminal.Name = WithoutControlCharacters(check.terminal.Name);
    return check;
}

std::optional<DateValue> CheckBatchDate(std::string_view cell, const DateConventions& dates) {
    return ParseDateText(cell, dates);
}

TextCheck CheckBatchSolar(std::string_view cell, bool sunspotPrimary) {
    return CheckSolarIndex(AtlasUpperCase(cell), sunspotPrimary);
}

TextCheck CheckBatchKIndex(std::string_view cell) {
    return CheckKIndex(cell);
}

std::optional<std::vector<PathKind>> BatchPathKinds(std::string_view cell) {
    const std::string letter = AtlasUpperCase(cell);
    if (letter == "S")
        return std::vector<PathKind>{PathKind::Short};
    if (letter == "L")
        return std::vector<PathKind>{PathKind::Long};
    if (letter == "B" || letter.empty())
        return std::vector<PathKind>{PathKind::Short, PathKind::Long};
    return std::nullopt;
}

bool IsBlankBatchRow(const BatchRecord& row) {
    return row.TerminalB.empty() && row.DateText.empty() && row.SolarText.empty() &&
           row.KIndexText.empty();
}

BatchRowCheck CheckBatchRow(const BatchRecord& row, const BatchContext& context) {
    BatchRowCheck check;
    if (IsBlankBatchRow(row)) {
        check.status = BatchRowStatus::Blank;
        return check;
    }
    const TerminalCheck a = CheckBatchTerminal(row.TerminalA, "A", context);
    if (!a)
        return Refuse(std::move(check), a.reason);
    const TerminalCheck b = CheckBatchTerminal(row.TerminalB, "B", context);
    if (!b)
        return Refuse(std::move(check), b.reason);
    const std::optional<DateValue> date = CheckBatchDate(row.DateText, context.dates);
    if (!date)
        return Refuse(std::move(check), row.DateText.empty()
                                            ? "Date: no date"
                                            : "Date: " + row.DateText + " is not a valid date (" +
                                                  DateFormatText(context.dates) + ")");
    const TextCheck solar = CheckBatchSolar(row.SolarText, context.settings.SunspotPrimary);
    if (!solar)
        return Refuse(std::move(check), "Solar index: " + OneLineText(solar.message));
    const TextCheck k = CheckBatchKIndex(row.KIndexText);
    if (!k)
        return Refuse(std::move(check), "K index: " + OneLineText(k.message));
    std::optional<std::vector<PathKind>> kinds = BatchPathKinds(row.PathText);
    if (!kinds)
        return Refuse(std::move(check), "Path: enter 'S' for short path, 'L' for long path, or "
                                        "'B' for both");

    check.inputs.terminalA = a.terminal;
    check.inputs.terminalB = b.terminal;
    check.inputs.date = *date;
    check.inputs.solarIndexText = solar.text;
    check.inputs.kIndexText = k.text;
    check.inputs.zone = context.zone;
    check.inputs.zone.PredictionDate = *date;
    PreparedPrediction prepared = PreparePrediction(check.inputs, context.settings);
    if (!prepared)
        return Refuse(std::move(check), OneLineText(prepared.message));
    check.request = std::move(prepared.request);
    check.kinds = std::move(*kinds);
    check.status = BatchRowStatus::Ok;
    return check;
}
