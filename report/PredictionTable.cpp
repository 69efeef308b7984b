#include "report/PredictionTable.h"

#include "core/Numeric.h"
#include "text/TextColumns.h"

#include <algorithm>
#include <cmath>

TableRules TableRulesOf(const Settings& settings, bool showSignalLevels) {
    TableRules rules;
    rules.showSignalLevels = showSignalLevels;
    rules.suppressionLevelDb = settings.SuppressionLevelDb;
    rules.showZeroAvailability = settings.ShowZeroAvailability;
    rules.noise = NoiseTermsOf(settings);
    return rules;
}

namespace {

// Whether the reliability shown to 2 decimals is above 0.00, i.e. RoundToShown(r, 2) >
// 0. No float lies within 15 significant digits of 0.005, so that is r > 0.005 exactly,
// without formatting the number (the planner asks this for every cell of the atlas).
bool RoundsAboveZero(float reliability) {
    return static_cast<double>(reliability) > 0.005;
}

} // namespace

char AvailabilityLetter(float reliability) {
    static constexpr char kLetters[] = {' ', 'D', 'C', 'B', 'A', 'A'};
    if (!RoundsAboveZero(reliability))
        return kLetters[0];
    const double scaled = std::trunc(static_cast<double>(reliability) * 4.0) + 1.0;
    const int cls = static_cast<int>(std::clamp(scaled, 1.0, 5.0));
    return kLetters[cls];
}

bool CellShown(float signalDb, float reliability, const TableRules& rules) {
    if (!(signalDb >= static_cast<float>(rules.suppressionLevelDb)))
        return false;
    return rules.showZeroAvailability || RoundsAboveZero(reliability);
}

std::string CellText(float signalDb, float reliability, float freqMHz, float mufMHz,
                     const TableRules& rules) {
    if (!CellShown(signalDb, reliability, rules))
        return {};
    double value = signalDb;
    if (!rules.showSignalLevels)
        value -= NoiseLevel(freqMHz, mufMHz, rules.noise);
    if (std::isnan(value))
        value = -999.0;
    value = RoundHalfEven(std::clamp(value, -999.0, 999.0));
    return FormatFixed(value, 4, 0) + " " + AvailabilityLetter(reliability);
}

std::string MufText(float mufMHz) {
    return FormatFixed(mufMHz, 4, 1);
}

std::string FrequencyHeader(const std::string& frequencyText) {
    return Utf8Left(frequencyText + " MHz", 8);
}

int DisplayedSlot(int row, double utcOffsetDays) {
    const long h = static_cast<long>(RoundHalfEven(utcOffsetDays * kHalfHours));
    const long slot = (row + h) % kHalfHours;
    return static_cast<int>(slot < 0 ? slot + kHalfHours : slot);
}

std::string AvailabilityLegend(bool showZeroAvailability) {
    std::string line = " Availabilities  A: 75 - 100%  B: 50 - 75%  C: 25 - 50%  D: 1 - 25%";
    if (showZeroAvailability)
        line += "  Others: 0%";
    return line;
}

std::string SuppressionLine(const TableRules& rules) {
    const bool threshold = rules.suppressionLevelDb != kNoSuppressionDb;
    if (rules.showZeroAvailability && !threshold)
        return " No suppression in effect";
    std::string line =
        rules.showSignalLevels ? " Signal levels suppressed if " : " S/N suppressed if ";
    if (threshold) {
        if (!rules.showSignalLevels)
            line += "signal level ";
        line += "below " + std::to_string(rules.suppressionLevelDb) + " dB relative to 0.5 µV";
        if (!rules.showZeroAvailability)
            line += " or if ";
    }
    if (!rules.showZeroAvailability)
        line += "predicted availability is zero";
    return line;
}

PredictionTable BuildPredictionTable(const TableSource& source, const TableRules& rules) {
    PredictionTable table;
    table.timeLabel = source.timeLabel;
    const int count = std::clamp(source.frequencyCount, 0, kMaxFrequencies);
    for (int n = 0; n < count; ++n)
        table.frequencyHeaders.push_back(FrequencyHeader(
            n < static_cast<int>(source.frequencyTexts.size()) ? source.frequencyTexts[n] : ""));

    static const PathResult kEmptyPath{};
    const PathResult& path = source.path ? *source.path : kEmptyPath;
    for (int row = 0; row < kHalfHours; ++row) {
        const int slot = DisplayedSlot(row, source.utcOffsetDays);
        table.times[row] = FormatHHMM(row / static_cast<double>(kHalfHours));
        table.mufs[row] = MufText(path.Muf[slot]);
        std::vector<std::string>& cells = table.cells[row];
        for (int n = 0; n < count; ++n) {
            const float signal = path.Signal[slot][n];
            if (signal != kNoModeSignal)
                table.anyMode = true;
            cells.push_back(CellText(signal, path.Reliability[slot][n], source.frequencyMHz[n],
                                     path.Muf[slot], rules));
            if (!cells.back().empty())
                table.anyCellFilled = true;
        }
    }

    const char* what = rules.showSignalLevels ? "signal levels" : "S/N";
    if (table.anyCellFilled) {
        table.title = rules.showSignalLevels ? "SIGNAL LEVELS IN dB ABOVE 0.5 µV"
                                             : "SIGNAL-TO-NOISE RATIOS (dB)";
    } else if (count == 0) {
        table.title = kNoFrequenciesTitle;
        table.titleIsReason = true;
    } else {
        table.title = std::string("There are no displayable ") + what +
                      (table.anyMode ? " (all are suppressed)" : " (no modes were found)");
        table.titleIsReason = true;
    }
    if (table.anyCellFilled)
        table.footer.push_back(AvailabilityLegend(rules.showZeroAvailability));
    table.footer.push_back(SuppressionLine(rules));
    return table;
}
