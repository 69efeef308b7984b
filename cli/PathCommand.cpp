#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
#include "cli/IsoDate.h"
#include "cli/TerminalArgs.h"
#include "core/KxLib.h"
#include "engine/KxEphem.h"
#include "report/JsonText.h"

#include <cctype>
#include <cstdio>
#include <string>

namespace {

constexpr const char* kPathUsage =
    "usage: hopscope-cli path (--a LOCATOR | --a-lat LAT --a-lon LON) [--a-name NAME]\n"
    "                         (--b LOCATOR | --b-lat LAT --b-lon LON) [--b-name NAME]\n"
    "                         [--date YYYY-MM-DD] [--utc | --local] [--solar S|F...]\n"
    "                         [--k K]      [--format text|json]\n"
    "\n"
    "Bearings, lengths and polar flags of the short and the long path between two\n"
    "terminals, sunrise, sunset and gray-line bearings at both, and the three header\n"
    "lines of each path.\n"
    "\n"
    "  --a LOCATOR      terminal A at the centre of a grid square (FN31, JN58TD)\n"
    "  --a-lat LAT      terminal A's latitude: [+/-]deg [min [sec]] [N/S]\n"
    "  --a-lon LON      terminal A's longitude: [+/-]deg [min [sec]] [W/E];\n"
    "                   longitudes are positive WEST (11 E is -11)\n"
    "  --a-name NAME    terminal A's place name (17 characters)\n"
    "  --b...           the same for terminal B\n"
    "  --date DATE      the day of the sun times (default: today, UTC or local)\n"
    "  --utc, --local   show times in UTC (default) or in this machine's local time (ULT)\n"
    "  --solar INDEX    S + sunspot number (0-360) or F + 10.7 cm flux (60-410) for the\n"
    "                   third header line (a bare number is a flux); without it the\n"
    "                   third line is left empty\n"
    "  --k K            K index 0-9, or -1 or empty for the average (default)\n"
    "  --format FORMAT  text (default) or json\n";

int UsageError(const std::string& problem) {
    return ReportUsageError("path", problem, kPathUsage);
}

int Refuse(const std::string& problem) {
    return ReportRefusal("path", problem);
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
    TerminalArgs a = ReadTerminalArgs(args, "a");
    TerminalArgs b = ReadTerminalArgs(args, "b");
    const std::optional<std::string> dateText = args.Value("date");
    const bool utc = args.Flag("utc");
    const bool local = args.Flag("local");
    const std::optional<std::string> solarText = args.Value("solar");
    const std::optional<std::string> kIndexText = args.Value("k");
    const std::string format = args.Value("format").value_or("text");
    if (const auto problem = args.Problem())
        return UsageError(*problem);
    if (!args.Positionals().empty())
        return UsageError("unexpected argument");
    if (utc && local)
        return UsageError("give either --utc or --local");
    if (format != "text" && format != "json")
        return UsageError("unknown format '" + format + "' (text or json)");
    for (const TerminalArgs* t : {&a, &b})
        if (!t->ok)
            return t->usage ? UsageError(TerminalArgsProblem(*t)) : Refuse(TerminalArgsProblem(*t));

    TimeZoneState zone = SetTimeZone(!local, ReadSystemClock());
    if (dateText) {
        const std::optional<DateValue> date = ParseIsoDate(*dateText);
        if (!date)
            return Refuse("--date '" + *dateText + "': Invalid date (YYYY-MM-DD, 1901 to 2099)");
        zone.PredictionDate = *date;
    }

    std::string solar;
    if (solarText) {
        std::string upper = *solarText;
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        const TextCheck check = CheckSolarIndex(upper, false);
        if (!check)
            return Refuse("--solar '" + *solarText + "': " + OneLineText(check.message));
        solar = check.text;
    }
    std::string kIndex;
    if (kIndexText) {
        const TextCheck check = CheckKIndex(*kIndexText);
        if (!check)
            return Refuse("--k '" + *kIndexText + "': " + OneLineText(check.message));
        kIndex = check.text;
    }

    Terminal terminals[2] = {a.terminal, b.terminal};
    PathGeometry shortPath, longPath;
    if (const PathGeometryResult result =
            ComputePathGeometry(terminals[0], terminals[1], shortPath, longPath);
        !result)
        return Refuse(OneLineText(result.message));
    MarkPolarPaths(terminals[0], terminals[1], shortPath, longPath);
    const SolarPosition sun = ComputeSolarPosition(zone.PredictionDate, zone);

    float ssn = 0.0f, flux = 0.0f;
    if (!solar.empty()) {
        const std::optional<SolarIndexValues> values = ConvertSolarIndex(solar, sun);
        if (!values)
            return Refuse("--solar '" + *solarText + "': cannot be converted");
        ssn = values->Ssn;
        flux = values->Flux;
    }
    PathReport paths[2] = {
        {"short", &shortPath,
         BuildHeaderLines(terminals[0], terminals[1], shortPath, ssn, flux, kIndex, sun, zone)},
        {"long", &longPath,
         BuildHeaderLines(terminals[0], terminals[1], longPath, ssn, flux, kIndex, sun, zone)}};
    if (solar.empty())
        for (PathReport& p : paths)
            p.lines[2].clear();
    const SunTexts sunTexts[2] = {SunTextsAt(terminals[0], sun, zone),
                                  SunTextsAt(terminals[1], sun, zone)};

    if (format == "json")
        PrintJson(terminals, sunTexts, paths);
    else
        PrintText(terminals, sunTexts, paths, !solar.empty());
    return 0;
}
