#include "atlas/AtlasEntry.h"
#include "cli/ArgList.h"
#include "cli/CliTerminal.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
#include "cli/IsoDate.h"
#include "cli/SettingOverrides.h"
#include "core/DataDirectory.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/ReplaceFile.h"
#include "core/Syntax.h"
#include "engine/KxEphem.h"
#include "maps/FreqMapCells.h"
#include "maps/FreqMapExport.h"
#include "maps/FreqMapValues.h"
#include "settings/SettingsFile.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* kFreqMapUsage =
    "usage: hopscope-cli freqmap (--a PREFIX|LOCATOR|DEFAULT | --a-lat LAT --a-lon LON)\n"
    "                            --date YYYY-MM-DD --utc HHMM|all --solar INDEX [OPTIONS]\n"
    "\n"
    "The frequency map of the world for one station: for every area, the short-path\n"
    "MUF from the station to the area's centre and the highest listed frequency below\n"
    "it.\n"
    "\n"
    "  --a PREFIX|LOCATOR|DEFAULT  the station from the atlas, a grid square or the\n"
    "                   default terminal of the settings\n"
    "  --a-lat LAT --a-lon LON     the station by hand; longitudes are positive WEST\n"
    "  --a-name NAME    the station's name (17 characters)\n"
    "  --date YYYY-MM-DD  the day of the map\n"
    "  --utc HHMM|all   the UTC time of the map, or all 48 half hours of the day\n"
    "  --solar INDEX    S + sunspot number (0-360) or F + 10.7 cm flux (60-410)\n"
    "  --k N            K index 0-9; -1 or absent for the average\n"
    "  --freqs 7.1,14.1,...  the frequencies to map (default: the settings' list; ''\n"
    "                   or an empty list gives the built-in seven)\n"
    "  --res low|high   57 or 877 areas (default: the settings' choice)\n"
    "  --centre-lon LON the map's central meridian (default: the default terminal's\n"
    "                   longitude, else the station's)\n"
    "  --min-angle DEG  minimum radiation angle 0.0-45.0 (default: the settings')\n"
    "  --format json|csv  one map as a JSON object, all maps as a JSON list, or CSV\n"
    "                   (utc,band,index,centreLat,centreLon,muf,class,label)\n"
    "  --out FILE       write to FILE instead of standard output\n"
    "  --data-dir DIR   the folder of Hopscope.SAV and Hopscope.ATL\n";

ArgFailure Usage(const std::string& problem) {
    return {problem + "\n\n" + kFreqMapUsage, 2};
}

/// Everything the command needs once its arguments are read.
struct FreqMapRun {
    Settings settings;
    Terminal station;
    DateValue date = 0.0;
    std::vector<double> utHours; ///< one instant, or the 48 half hours
    std::string solarIndexText;
    std::string kIndexText;
    FreqMapResolution resolution = FreqMapResolution::Low;
    double centreLonDeg = 0.0;
    std::string format = "json";
    std::optional<std::string> out;
};

std::optional<ArgFailure> ReadRun(const std::vector<std::string>& argList, FreqMapRun& run) {
    ArgList args(argList);
    const std::optional<std::string> dataDir = args.Value("data-dir");
    const std::optional<std::string> date = args.Value("date");
    const std::optional<std::string> utc = args.Value("utc");
    const std::optional<std::string> solar = args.Value("solar");
    const std::optional<std::string> kIndex = args.Value("k");
    const std::optional<std::string> res = args.Value("res");
    const std::optional<std::string> centreLon = args.Value("centre-lon");
    const std::optional<std::string> format = args.Value("format");
    run.out = args.Value("out");
    SettingOverrides overrides;
    overrides.freqs = args.Value("freqs");
    overrides.minAngle = args.Value("min-angle");
    std::vector<std::string> terminalOptions;
    for (const char* suffix : {"", "-lat", "-lon", "-name"}) {
        const std::string option = std::string("a") + suffix;
        if (std::optional<std::string> value = args.Value(option)) {
            terminalOptions.push_back("--" + option);
            terminalOptions.push_back(*value);
        }
    }
    if (const auto problem = args.Problem())
        return Usage(*problem);
    if (terminalOptions.empty())
        return Usage("give the station with --a, or --a-lat and --a-lon");
    if (!date)
        return Usage("give the day of the map with --date YYYY-MM-DD");
    if (!utc)
        return Usage("give the time of the map with --utc HHMM or --utc all");
    if (format) {
        run.format = Lower(*format);
        if (run.format != "json" && run.format != "csv")
            return Usage("--format must be json or csv");
    }

    const DataDirectoryResult dir = ResolveExistingDataDirectory(dataDir);
    if (!dir.Ok())
        return ArgFailure{dir.error, 1};
    run.settings = ReadSettingsFile(SettingsFilePath(dir.directory)).settings;
    if (auto failure = ApplyOverrides(overrides, run.settings))
        return failure->status == 2 ? Usage(failure->text) : *failure;

    ReadOnlyAtlas atlas(dir.directory);
    ArgList terminalArgs(terminalOptions);
    if (auto failure = ReadAtlasTerminal(terminalArgs, "a", run.settings, atlas, run.station))
        return failure;
    if (const CheckResult coordinates = DeriveTerminalCoordinates(run.station); !coordinates)
        return ArgFailure{OneLineText(coordinates.message), 1};

    const std::optional<DateValue> day = ParseIsoDate(*date);
    if (!day)
        return ArgFailure{"Invalid date", 1};
    run.date = *day;
    if (Lower(*utc) == "all") {
        for (int j = 0; j < 48; ++j)
            run.utHours.push_back(0.5 * j);
    } else {
        const CheckResult time = CheckTimeOfDay(*utc);
        if (!time)
            return ArgFailure{"--utc '" + *utc + "': " + OneLineText(time.message), 1};
        run.utHours.push_back(HHMMToHours(*utc).value_or(0.0));
    }
    const TextCheck solarIndex = CheckSolarIndex(solar.value_or(""), run.settings.SunspotPrimary);
    if (!solarIndex)
        return ArgFailure{OneLineText(solarIndex.message), 1};
    run.solarIndexText = solarIndex.text;
    const TextCheck k = CheckKIndex(kIndex.value_or(""));
    if (!k)
        return ArgFailure{OneLineText(k.message), 1};
    run.kIndexText = k.text;

    run.resolution = run.settings.HighResFreqMap ? FreqMapResolution::High : FreqMapResolution::Low;
    if (res) {
        const std::string r = Lower(*res);
        if (r != "low" && r != "high")
            return Usage("--res must be low or high");
        run.resolution = r == "high" ? FreqMapResolution::High : FreqMapResolution::Low;
    }
    run.centreLonDeg = run.station.LongitudeDeg;
    if (centreLon) {
        const CoordinateParse lon =
            ParseCoordinate(AtlasUpperCase(*centreLon), CoordinateKind::Longitude);
        if (!lon)
            return ArgFailure{"--centre-lon '" + *centreLon + "': " + OneLineText(lon.message), 1};
        run.centreLonDeg = lon.valueDeg;
    } else if (run.settings.DefaultDefined) {
        const CoordinateParse lon =
            ParseCoordinate(run.settings.DefaultLongitudeText, CoordinateKind::Longitude);
        if (lon)
            run.centreLonDeg = lon.valueDeg;
    }
    return std::nullopt;
}

bool WriteOutput(const std::string& text, const std::optional<std::string>& out) {
    if (!out) {
        const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
        return std::fflush(stdout) == 0 && written;
    }
    return ReplaceFile(*out, text);
}

} // namespace

int RunFreqMapCommand(const std::vector<std::string>& argList) {
    if (std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kFreqMapUsage, stdout);
        return 0;
    }
    FreqMapRun run;
    if (const std::optional<ArgFailure> failure = ReadRun(argList, run)) {
        ReportRefusal("freqmap", failure->text);
        return failure->status;
    }
    const SolarPosition sun = ComputeSolarPosition(run.date, TimeZoneState{});
    const std::optional<SolarIndexValues> solar = ConvertSolarIndex(run.solarIndexText, sun);
    if (!solar)
        return ReportRefusal("freqmap", "You must enter a solar flux or sunspot number");

    const FreqMapSlots slots = MakeFreqMapSlots(run.settings);
    const std::vector<FreqMapCell> cells =
        FreqMapLayout(run.resolution, {0, 0, 0, 0}, run.centreLonDeg);
    const FreqMapConditions conditions = MakeFreqMapConditions(
        run.station, run.date, solar->Ssn, run.kIndexText, run.settings.MinRadiationAngleRad, sun);
    const std::vector<FreqMapCellPath> paths = PrepareFreqMapPaths(conditions, cells);
    std::vector<FreqMapFrame> frames;
    for (double t : run.utHours) {
        FreqMapFrame frame;
        frame.utcText = FormatHHMM(t / 24.0);
        frame.ssn = solar->Ssn;
        frame.flux = solar->Flux;
        FreqMapMufs(conditions, paths, static_cast<float>(t), frame.mufs);
        frame.classes = FreqMapClasses(slots, frame.mufs);
        frames.push_back(std::move(frame));
    }

    std::string output;
    if (run.format == "csv")
        output = FreqMapCsv(slots, cells, frames);
    else if (frames.size() == 1)
        output = FreqMapJson(slots, cells, frames.front()) + "\n";
    else
        output = FreqMapJsonList(slots, cells, frames) + "\n";
    if (!WriteOutput(output, run.out))
        return ReportRefusal("freqmap", "the output could not be written");
    return 0;
}
