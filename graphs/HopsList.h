#pragma once

#include "core/Terminal.h"
#include "core/TimeZone.h"
#include "engine/Propagation.h"
#include "report/NoiseLevel.h"
#include "settings/Settings.h"

#include <functional>
#include <string>
#include <vector>

// The advanced prediction list: one line per half hour and frequency with the MUF,
// signal level, S/N, availability, take-off angle and hop configuration of the best
// mode, grouped by time or by frequency and filtered by the suppression settings.

/// How the list is grouped.
enum class HopsGrouping { ByTime, ByFrequency };

/// Which lines are shown, and the noise terms of the S/N column.
struct HopsRules {
    int suppressionLevelDb = -10;      ///< lines below it are dropped; below −99: no threshold
    bool showZeroAvailability = false; ///< keep lines whose availability rounds to 0.00
    NoiseTerms noise;
};

/// The rules of the settings.
HopsRules HopsRulesOf(const Settings& settings);

/// What the list of one path is made from.
struct HopsSource {
    const PathResult* path = nullptr;
    int frequencyCount = 0; ///< 0..10
    std::array<float, kMaxFrequencies> frequencyMHz{};
    double utcOffsetDays = 0.0; ///< UTC minus displayed time, days
};

/// One line of the list, 49 columns and then the hop configuration: the displayed time
/// at column 2, the MUF at 8 and the frequency at 14 (4 characters, 1 decimal), the
/// signal at 21 and the S/N at 29 (held to −999..999, rounded, 4 characters), the
/// availability at 37 (4 characters, 2 decimals), the take-off angle right-aligned
/// at 45..46, and from column 50 one letter per hop joined by "-" ("F-F-E").
std::string HopsLine(const std::string& timeText, float mufMHz, float freqMHz, float signalDb,
                     double snrDb, float reliability, int elevationDeg, const HopLayers& mode,
                     int hops);

/// The list of one path.
struct HopsList {
    std::vector<std::string> lines; ///< full lines; "" between groups
    bool enabled = false;           ///< false when there is nothing to list (lines explain why)
};

/// Builds the list: for each displayed half hour d (UTC slot (d + h + 48) mod 48, h =
/// the offset in half hours) and frequency n, in time-major or frequency-major order,
/// a line when the signal is at least the threshold and (zero availabilities are kept
/// or the availability rounds above 0.00); a slot without a mode never gives a line.
/// One empty line separates groups that gave lines. With no line at all the list
/// explains why in two centred lines, or says that no frequencies were specified.
HopsList BuildHopsList(const HopsSource& source, const HopsRules& rules, HopsGrouping grouping);

/// The column header: " " + time label + "    MUF  Freq  Sig dB  S/N dB  Avail  Angle
/// Hop Configuration".
std::string HopsColumnHeader(const std::string& timeLabel);

/// The footer: " No suppression in effect", or " Line not shown if " + the rules.
std::string HopsFooter(const HopsRules& rules);

/// "Hopscope Short-Path Prediction (Advanced) for " + date (or Long-Path).
std::string HopsCaption(PathKind kind, const std::string& dateText);

/// The line shortened to what `fits` accepts, for a list on screen: the last
/// character is dropped while it does not fit, and once anything was dropped one more
/// unless the line then ends in "-", so a cut hop configuration ends in "-".
std::string FitHopsLine(const std::string& line,
                        const std::function<bool(const std::string&)>& fits);

/// The printed or saved list: an empty line, the caption centred in 101 columns, an
/// empty line, the three header lines (the polar text on the third for a polar path),
/// an empty line, the column header and the list lines; when the list is enabled, an
/// empty line and the footer. Full lines (the printer cuts them at 101 columns).
std::vector<std::string> HopsReportLines(const HopsList& list, const HeaderLines& headerLines,
                                         bool isPolar, const std::string& caption,
                                         const std::string& columnHeader,
                                         const std::string& footer);

/// The report lines split into pages of at most `linesPerPage` lines (at least 3):
/// each further page starts with an empty line and the column header again. The
/// column header is the line at `columnHeaderIndex`; every line is cut to 101
/// characters.
std::vector<std::vector<std::string>> HopsPages(const std::vector<std::string>& reportLines,
                                                std::size_t columnHeaderIndex,
                                                std::size_t linesPerPage);

/// The lines a printed page holds: a page is full once less than three line heights
/// are left below the last line (at least 3).
std::size_t HopsLinesPerPage(double pageHeight, double lineHeight);

/// The list source of one path of a prediction in the given time zone.
HopsSource HopsSourceOf(const PredictionResult& result, PathKind kind, const TimeZoneState& zone);

/// The printed or saved hops list of one path of a prediction with the settings' rules,
/// `dateText` in its caption (FormatDateText with the four-digit year).
std::vector<std::string> HopsPathReportLines(const PredictionResult& result, PathKind kind,
                                             const Settings& settings, const TimeZoneState& zone,
                                             const std::string& dateText, HopsGrouping grouping);
