#include "atlas/AtlasEntry.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandHelp.h"
#include "cli/Commands.h"
#include "cli/IsoDate.h"
#include "cli/MapFiles.h"
#include "cli/RequestArgs.h"
#include "cli/SettingOverrides.h"
#include "cli/SolarAuto.h"
#include "cli/TerminalArgs.h"
#include "core/DataDirectory.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/Syntax.h"
#include "engine/Propagation.h"
#include "freqmap/FreqMapCells.h"
#include "freqmap/FreqMapExport.h"
#include "freqmap/FreqMapRender.h"
#include "freqmap/FreqMapSheet.h"
#include "freqmap/FreqMapTexts.h"
#include "freqmap/FreqMapValues.h"
#include "maps/MapSheet.h"
#include "maps/PixelBuffer.h"
#include "settings/SettingsFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

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
    int pngWidth = 1171;
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
    const std::optional<std::string> size = args.Value("size");
    SettingOverrides overrides;
    overrides.freqs = args.Value("freqs");
    overrides.minAngle = args.Value("min-angle");
    const TerminalOptions station = TakeTerminalOptions(args, "a");
    if (const auto problem = args.Problem())
        return Usage(*problem);
    if (!station.usageProblem.empty())
        return Usage(station.usageProblem);
    if (!date)
        return Usage("give the day of the map with --date YYYY-MM-DD");
    if (!utc)
        return Usage("give the time of the map with --utc HHMM or --utc all");
    if (const auto problem =
            ReadMapOutputOptions(format, size, run.out.has_value(), run.format, run.pngWidth))
        return Usage(*problem);

    CommandData data;
    if (auto failure = ReadCommandData(dataDir, data))
        return failure;
    run.settings = data.settings;
    if (auto failure = ApplyOverrides(overrides, run.settings))
        return failure->status == 2 ? Usage(failure->text) : *failure;

    const TerminalArgs resolved = ResolveCommandTerminal(station, data, &run.settings);
    if (!resolved.ok)
        return ArgFailure{resolved.problem, 1};
    run.station = resolved.terminal;
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
    std::optional<std::string> autoK;
    if (IsSolarAuto(solar)) {
        if (auto failure = TakeSolarAuto(data.directory, run.date, run.solarIndexText, autoK))
            return failure;
    } else {
        const TextCheck solarIndex =
            CheckSolarIndex(solar.value_or(""), run.settings.SunspotPrimary);
        if (!solarIndex)
            return ArgFailure{OneLineText(solarIndex.message), 1};
        run.solarIndexText = solarIndex.text;
    }
    const TextCheck k = CheckKIndex(kIndex.value_or(autoK.value_or("")));
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

/// The map image's size for a PNG of `width` pixels: odd sides, the height three
/// quarters of the width (about the window's own proportions).
PixelRect PngImage(int width) {
    const int w = width % 2 == 0 ? width - 1 : width;
    int h = static_cast<int>(std::lround(0.75 * w));
    h = h % 2 == 0 ? h - 1 : h;
    return {0, 0, w, h};
}

/// The map's width in a picture: a PNG keeps its sheet's margins inside --size.
int MapWidth(const FreqMapRun& run) {
    return run.format == "png" ? run.pngWidth - 2 * kMapSheetMargin : run.pngWidth;
}

/// Each frame as a PNG, with its title and legend: one file, or freqmap-HHMM.png in the
/// folder for several.
std::optional<std::string> WritePngs(const FreqMapRun& run, const FreqMapSlots& slots,
                                     const std::vector<FreqMapCell>& cells,
                                     const std::vector<FreqMapFrame>& frames) {
    const PixelRect size = PngImage(MapWidth(run));
    FreqMapSheetFacts facts;
    facts.station = run.station;
    facts.dateText = IsoDateText(run.date);
    facts.solarIndexText = run.solarIndexText;
    facts.kIndexText = run.kIndexText;
    PixelBuffer image(size.right, size.bottom);
    image.SetFontPixelSize(std::max(size.right / 60, 8));
    const std::filesystem::path out = *run.out;
    if (frames.size() > 1)
        if (std::optional<std::string> problem = MakePictureFolder(*run.out))
            return problem;
    for (const FreqMapFrame& frame : frames) {
        FreqMapPicture picture;
        picture.cells = &cells;
        picture.classes = &frame.classes;
        picture.freqSlots = &slots;
        picture.station = {run.station.LatitudeDeg, run.station.LongitudeDeg};
        picture.centreLonDeg = run.centreLonDeg;
        picture.sun = SubsolarPointAt(run.date, frame.utHours);
        picture.timeText = frame.utcText;
        // The window's marker is 0.007 of the window's width, the map 625/1024 of it.
        picture.markerArm =
            std::max(static_cast<int>(std::lround(size.right * 0.007 * 1024 / 625)), 2);
        RenderFreqMap(image, picture);
        facts.utcText = frame.utcText;
        const PixelBuffer sheet = DrawFreqMapSheet(image, FreqMapSheetTitle(facts, slots), slots);
        const std::filesystem::path file =
            frames.size() > 1 ? out / ("freqmap-" + frame.utcText + ".png") : out;
        if (std::optional<std::string> problem = WriteMapPng(sheet, file))
            return problem;
    }
    return std::nullopt;
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
    if (const std::string note = FreqMapLeftOutNote(slots); !note.empty())
        std::fprintf(stderr, "hopscope-cli freqmap: %s\n", note.c_str());
    const PixelRect image = PngImage(MapWidth(run));
    const std::vector<FreqMapCell> cells =
        FreqMapLayout(run.resolution, FreqMapArea(image.right, image.bottom), run.centreLonDeg);
    const StationConditions conditions = MakeStationConditions(
        run.station, run.date, solar->Ssn, run.kIndexText, run.settings.MinRadiationAngleRad, sun);
    std::vector<FreqMapFrame> frames;
    for (FreqMapValuesAt& values : ComputeFreqMapValues(conditions, slots, cells, run.utHours)) {
        FreqMapFrame frame;
        frame.utcText = FormatHHMM(values.utHours / 24.0);
        frame.utHours = values.utHours;
        frame.ssn = solar->Ssn;
        frame.flux = solar->Flux;
        frame.mufs = std::move(values.mufs);
        frame.classes = std::move(values.classes);
        frames.push_back(std::move(frame));
    }

    if (run.format == "png") {
        if (const std::optional<std::string> problem = WritePngs(run, slots, cells, frames))
            return ReportRefusal("freqmap", *problem);
        return 0;
    }
    std::string output;
    if (run.format == "csv")
        output = FreqMapCsv(slots, cells, frames);
    else if (frames.size() == 1)
        output = FreqMapJson(slots, cells, frames.front()) + "\n";
    else
        output = FreqMapJsonList(slots, cells, frames) + "\n";
    if (const std::optional<std::string> problem = WriteMapOutput(output, run.out))
        return ReportRefusal("freqmap", *problem);
    return 0;
}
