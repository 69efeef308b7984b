#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
#include "cli/RequestArgs.h"
#include "core/Core.h"
#include "engine/Propagation.h"
#include "report/PredictionSetup.h"
#include "text/JsonText.h"

#include <cstdio>
#include <string>

namespace {

constexpr const char* kPathUsage =
    "usage: hopscope-cli path TERMINAL-A TERMINAL-B [--date YYYY-MM-DD]\n"
    "                         [--utc | --local | --tz-offset +HH:MM] [--solar INDEX]\n"
    "                         [--k K] [--format text|json] [--data-dir DIR]\n"
    "\n"
    "Bearings, lengths and polar flags of the short and the long path between two\n"
    "terminals, sunrise, sunset and gray-line bearings at both, and the three header\n"
    "lines of each path.\n"
    "\n"
    "  --a PREFIX|LOCATOR|DEFAULT  terminal A from the atlas, a grid square (FN31,\n"
    "                   JN58TD) or the default terminal of the settings\n"
    "  --a-lat LAT --a-lon LON     terminal A by hand: [+/-]deg [min [sec]] [N/S] and\n"
    "                   [W/E]; longitudes are positive WEST (11 E is -11)\n"
    "  --a-name NAME    terminal A's place name (up to 17 bytes)\n"
    "  --b...           the same for terminal B\n"
    "  --date DATE      the day of the sun times (default: today)\n"
    "  --utc | --local | --tz-offset +HH:MM   times in UTC, in this machine's local\n"
    "                   time, or at an offset of local time from UTC (default: settings)\n"
    "  --solar INDEX    S + sunspot number (0-360) or F + 10.7 cm flux (60-410) for the\n"
    "                   third header line (a bare number is read as the settings'\n"
    "                   primary solar index says); without it the line is left empty\n"
    "                   (auto: the published figure of the day, see 'hopscope-cli solar')\n"
    "  --k K            K index 0-9, or -1 or empty for the average (default)\n"
    "  --format FORMAT  text (default) or json\n"
    "  --data-dir DIR   the folder of Hopscope.SAV and Hopscope.ATL\n";

int UsageError(const std::string& problem) {
    return ReportUsageError("path", problem, kPathUsage);
}

int Refuse(const std::string& problem) {
    return ReportRefusal("path", problem);
}

int Failed(const ArgFailure& failure) {
    return failure.status == 2 ? UsageError(failure.text) : Refuse(failure.text);
}

struct SunTexts {
    std::string sunrise, sunset, grayLineSunrise, grayLineSunset;
};

SunTexts SunTextsAt(const Terminal& t, const SolarPosition& sun, const TimeZoneState& zone) {
    return {
        SunEventTime(SunEvent::Sunrise, t.SinLatitude, t.CosLatitude, t.LongitudeDeg, sun, zone),
        SunEventTime(SunEvent::Sunset, t.SinLatitude, t.CosLatitude, t.LongitudeDeg, sun, zone),
        GrayLineBearings(SunEvent::Sunrise, t.CosLatitude, sun),
        GrayLineBearings(SunEvent::Sunset, t.CosLatitude, sun)};
}

struct PathReport {
    const char* kind;
    const PathGeometry* path;
    HeaderLines lines;
};

void PrintText(const Terminal (&terminals)[2], const SunTexts (&sun)[2],
               const PathReport (&paths)[2], bool withSolar) {
    for (int i = 0; i < 2; ++i) {
        const Terminal& t = terminals[i];
        std::printf("Terminal %c: %s %s  %s\n", i == 0 ? 'A' : 'B',
                    FormatCoordinate(CoordinateKind::Latitude, t.LatitudeDeg).c_str(),
                    FormatCoordinate(CoordinateKind::Longitude, t.LongitudeDeg).c_str(),
                    t.Name.c_str());
        std::printf("  Sunrise: %s  Sunset: %s\n", sun[i].sunrise.c_str(), sun[i].sunset.c_str());
        std::printf("  Gray line at sunrise: %s  at sunset: %s\n",
                    TrimBlanks(sun[i].grayLineSunrise).c_str(),
                    TrimBlanks(sun[i].grayLineSunset).c_str());
    }
    for (const PathReport& p : paths) {
        std::printf("\n%s path%s\n", p.kind[0] == 's' ? "Short" : "Long",
                    p.path->IsPolar ? " (POLAR)" : "");
        std::printf("  Bearing at A: %s deg  Bearing at B: %s deg\n",
                    FormatFixed(BearingDeg(p.path->BearingAtA), 0, 1).c_str(),
                    FormatFixed(BearingDeg(p.path->BearingAtB), 0, 1).c_str());
        std::printf("  Length: %s km  %s nmi  %s mi\n",
                    FormatFixed(p.path->Length * DisplayRadiusKm, 0, 0).c_str(),
                    FormatFixed(p.path->Length * DisplayRadiusNmi, 0, 0).c_str(),
                    FormatFixed(p.path->Length * DisplayRadiusMi, 0, 0).c_str());
        for (int k = 0; k < (withSolar ? 3 : 2); ++k)
            std::printf("%s\n", p.lines[static_cast<std::size_t>(k)].c_str());
    }
}

void PrintJson(const Terminal (&terminals)[2], const SunTexts (&sun)[2],
               const PathReport (&paths)[2]) {
    std::printf("{\"terminals\": [");
    for (int i = 0; i < 2; ++i) {
        std::printf(
            "%s{\"latitudeDeg\": %s, \"longitudeDeg\": %s, \"sunrise\": %s, \"sunset\": %s, "
            "\"grayLineSunrise\": %s, \"grayLineSunset\": %s}",
            i ? ", " : "", JsonNumber(terminals[i].LatitudeDeg).c_str(),
            JsonNumber(terminals[i].LongitudeDeg).c_str(), JsonString(sun[i].sunrise).c_str(),
            JsonString(sun[i].sunset).c_str(), JsonString(sun[i].grayLineSunrise).c_str(),
            JsonString(sun[i].grayLineSunset).c_str());
    }
    std::printf("], \"paths\": [");
    for (int i = 0; i < 2; ++i) {
        const PathReport& p = paths[i];
        std::printf("%s{\"kind\": \"%s\", \"bearingAtA\": %s, \"bearingAtB\": %s, \"length\": %s, "
                    "\"lengthKm\": %s, "
                    "\"isPolar\": %s, \"headerLines\": [%s, %s, %s]}",
                    i ? ", " : "", p.kind, JsonNumber(BearingDeg(p.path->BearingAtA)).c_str(),
                    JsonNumber(BearingDeg(p.path->BearingAtB)).c_str(),
                    JsonNumber(p.path->Length).c_str(),
                    JsonNumber(p.path->Length * DisplayRadiusKm).c_str(),
                    p.path->IsPolar ? "true" : "false", JsonString(p.lines[0]).c_str(),
                    JsonString(p.lines[1]).c_str(), JsonString(p.lines[2]).c_str());
    }
    std::printf("]}\n");
}

} // namespace

int RunPathCommand(const std::vector<std::string>& rawArgs) {
    ArgList args(rawArgs);
    if (args.Flag("help") || args.Flag("h")) {
        std::fputs(kPathUsage, stdout);
        return 0;
    }
    const RequestArgs request = TakeRequestArgs(args);
    const std::string format = args.Value("format").value_or("text");
    if (const auto problem = args.Problem())
        return UsageError(*problem);
    if (!args.Positionals().empty())
        return UsageError("unexpected argument");
    if (format != "text" && format != "json")
        return UsageError("unknown format '" + format + "' (text or json)");
    if (const auto failure = CheckRequestArgs(request))
        return Failed(*failure);

    CommandData data;
    if (const auto failure = ReadCommandData(request.dataDir, data))
        return Failed(*failure);
    PredictionInputs inputs;
    if (const auto failure = BuildPredictionInputs(request, data, false, inputs))
        return Failed(*failure);
    const bool withSolar = !inputs.solarIndexText.empty();
    const PreparedPrediction prepared =
        withSolar ? PreparePrediction(inputs, data.settings) : PreparePaths(inputs);
    if (!prepared)
        return Refuse(OneLineText(prepared.message));
    const PredictionRequest& r = prepared.request;

    const Terminal terminals[2] = {r.TerminalA, r.TerminalB};
    PathReport paths[2] = {{"short", &r.ShortPath,
                            BuildHeaderLines(r.TerminalA, r.TerminalB, r.ShortPath, r.Ssn, r.Flux,
                                             r.KIndexText, r.Sun, r.Zone)},
                           {"long", &r.LongPath,
                            BuildHeaderLines(r.TerminalA, r.TerminalB, r.LongPath, r.Ssn, r.Flux,
                                             r.KIndexText, r.Sun, r.Zone)}};
    if (!withSolar)
        for (PathReport& p : paths)
            p.lines[2].clear();
    const SunTexts sunTexts[2] = {SunTextsAt(terminals[0], r.Sun, r.Zone),
                                  SunTextsAt(terminals[1], r.Sun, r.Zone)};

    if (format == "json")
        PrintJson(terminals, sunTexts, paths);
    else
        PrintText(terminals, sunTexts, paths, withSolar);
    return 0;
}
