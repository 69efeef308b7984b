#pragma once

#include "engine/Propagation.h"
#include "report/NoiseLevel.h"
#include "settings/Settings.h"

#include <array>
#include <string>
#include <vector>

/// How the cells of a prediction table are shown and suppressed.
struct TableRules {
    bool showSignalLevels = true;      ///< signal levels; false: signal-to-noise ratios
    int suppressionLevelDb = -10;      ///< cells below this level are empty; kNoSuppressionDb: none
    bool showZeroAvailability = false; ///< show cells whose availability rounds to 0.00
    NoiseTerms noise;                  ///< for signal-to-noise ratios
};

/// The rules of the settings, showing signal levels or S/N as asked.
TableRules TableRulesOf(const Settings& settings, bool showSignalLevels);

/// The availability letter of a reliability 0..1: when it rounds to more than 0.00
/// the class Trunc(A·4) + 1 gives "D" (1), "C" (2), "B" (3) or "A" (4 and 5, so 1.0 is
/// "A"); otherwise " ". Out-of-range values are held to the nearest class.
char AvailabilityLetter(float reliability);

/// Whether a cell has a text: false when the signal level is below the suppression
/// level (so "no mode", −1e10, is never shown), or when zero availabilities are hidden
/// and the reliability rounds to 0.00. A cell not shown is a suppressed signal.
bool CellShown(float signalDb, float reliability, const TableRules& rules);

/// The text of one cell, or "" when the cell is empty: empty when the signal level is
/// below the suppression level (so "no mode", −1e10, is always empty), or when zero
/// availabilities are hidden and the reliability rounds to 0.00. Otherwise the value
/// (the signal level, or signal − NoiseLevel(f, MUF) for S/N) held to −999..999 and
/// rounded half to even, right-aligned in 4, a blank and the availability letter,
/// e.g. "  23 B".
std::string CellText(float signalDb, float reliability, float freqMHz, float mufMHz,
                     const TableRules& rules);

/// The MUF of a row: one decimal, right-aligned in 4 (" 9.8").
std::string MufText(float mufMHz);

/// A frequency column's header: the frequency text + " MHz", cut to 8 characters.
std::string FrequencyHeader(const std::string& frequencyText);

/// The UTC half-hour slot shown in displayed row k (0..47) when displayed times are
/// UTC − utcOffsetDays: (k + h + 48) mod 48 with h = utcOffsetDays·48 rounded half to
/// even (an offset of 0.25 days shows slot 12 in row "0000").
int DisplayedSlot(int row, double utcOffsetDays);

/// The table title texts.
inline constexpr const char* kNoFrequenciesTitle = "NO FREQUENCIES HAVE BEEN SPECIFIED";

/// One path's table of 48 rows as the results window and the reports show it.
struct PredictionTable {
    std::string timeLabel;                                    ///< "UTC" or "ULT"
    std::vector<std::string> frequencyHeaders;                ///< one per frequency
    std::array<std::string, kHalfHours> times{};              ///< "0000" .. "2330" (displayed time)
    std::array<std::string, kHalfHours> mufs{};               ///< MufText of the row's slot
    std::array<std::vector<std::string>, kHalfHours> cells{}; ///< CellText per frequency
    bool anyCellFilled = false;                               ///< some cell has a text
    bool anyMode = false;       ///< some slot and frequency has a mode
    std::string title;          ///< the title above the table, or why it is empty
    bool titleIsReason = false; ///< the title explains an empty table (shown in red)
    std::vector<std::string>
        footer; ///< the availability legend (when filled) and the suppression rule
};

/// What the table of one path is built from.
struct TableSource {
    const PathResult* path = nullptr; ///< the path's results
    int frequencyCount = 0;           ///< 0..10 frequencies
    std::array<float, kMaxFrequencies> frequencyMHz{};
    std::vector<std::string> frequencyTexts; ///< as typed, one per frequency
    std::string timeLabel = "UTC";
    double utcOffsetDays = 0.0; ///< UTC minus displayed time, days
};

/// Builds the 48-row table with its title and footer:
/// - title: "SIGNAL LEVELS IN dB ABOVE 0.5 µV" or "SIGNAL-TO-NOISE RATIOS (dB)" when
///   some cell is filled; otherwise "There are no displayable signal levels (all are
///   suppressed)" (or "... S/N ...") when some slot has a mode, "... (no modes were
///   found)" when none has, and "NO FREQUENCIES HAVE BEEN SPECIFIED" without
///   frequencies;
/// - footer: " Availabilities  A: 75 - 100% ..." (+ "  Others: 0%" when zero
///   availabilities are shown) when some cell is filled, then the suppression rule.
PredictionTable BuildPredictionTable(const TableSource& source, const TableRules& rules);

/// The footer's suppression line, starting with a blank, e.g. " Signal levels
/// suppressed if below -10 dB relative to 0.5 µV or if predicted availability is zero".
std::string SuppressionLine(const TableRules& rules);

/// The footer's availability legend, starting with a blank.
std::string AvailabilityLegend(bool showZeroAvailability);
