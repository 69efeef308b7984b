#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandHelp.h"
#include "cli/Commands.h"
#include "cli/CoverageRun.h"
#include "cli/IsoDate.h"
#include "cli/MapFiles.h"
#include "cli/RequestArgs.h"
#include "cli/SettingOverrides.h"
#include "cli/SolarAuto.h"
#include "cli/TerminalArgs.h"
#include "core/Numeric.h"
#include "core/Syntax.h"
#include "coverage/Coverage.h"
#include "coverage/CoverageRender.h"
#include "coverage/CoverageSheet.h"
#include "coverage/CoverageTexts.h"
#include "maps/BaseMaps.h"
#include "maps/PixelBuffer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

ArgFailure Usage(const std::string& problem) {
    return {problem + "\n\n" + kCoverageUsage, 2};
}

} // namespace

std::optional<ArgFailure> ReadCoverageRun(const std::vector<std::string>& argList,
                                          CoverageRun& run) {
    ArgList args(argList);
    const std::optional<std::string> engine = args.Value("engine");
    const bool p533 = engine && Lower(*engine) == "p533";
    if (engine && !p533 && Lower(*engine) != "classic")
        return Usage("--engine must be classic or p533");
    // The P.533 station options, before the classic settings' --bandwidth, --noise and
    // --min-angle, which they replace.
    const P533StationArgs stationArgs = p533 ? TakeP533StationArgs(args) : P533StationArgs{};
    const std::optional<std::string> dataDir = args.Value("data-dir");
    const std::optional<std::string> date = args.Value("date");
    const std::optional<std::string> utc = args.Value("utc");
    const std::optional<std::string> solar = args.Value("solar");
    const std::optional<std::string> kIndex = args.Value("k");
    const std::optional<std::string> freq = args.Value("freq");
    const std::optional<std::string> grid = args.Value("grid");
    const std::optional<std::string> format = args.Value("format");
    run.out = args.Value("out");
    const std::optional<std::string> size = args.Value("size");
    const std::optional<std::string> kind = args.Value("kind");
    const std::optional<std::string> show = args.Value("show");
    const std::optional<std::string> fields = args.Value("fields");
    const SettingOverrides overrides = TakeOverrides(args);
    const TerminalOptions station = TakeTerminalOptions(args, "a");
    if (const auto problem = args.Problem())
        return Usage(*problem);
    if (!args.Positionals().empty())
        return Usage("unexpected argument");
    if (!station.usageProblem.empty())
        return Usage(station.usageProblem);
    if (!date)
        return Usage("give the day of the map with --date YYYY-MM-DD");
    if (!utc)
        return Usage("give the time of the map with --utc HHMM or --utc all");
    if (!freq)
        return Usage("give the frequency with --freq MHZ");
    if (p533 && kIndex)
        return Usage("--k has no meaning for the P.533 engine");
    if (const auto problem =
            ReadMapOutputOptions(format, size, run.out.has_value(), run.format, run.pngWidth))
        return Usage(*problem);
    if (kind) {
        const std::string k = Lower(*kind);
        if (k != "rect" && k != "gc")
            return Usage("--kind must be rect or gc");
        run.greatCircle = k == "gc";
    }
    if (show) {
        const std::string s = Lower(*show);
        if (s != "reliability" && s != "snr")
            return Usage("--show must be reliability or snr");
        run.show = s == "snr" ? CoverageShow::Snr : CoverageShow::Reliability;
    }
    const PredictionEngine engineKind = p533 ? PredictionEngine::P533 : PredictionEngine::Classic;
    run.fields = CoverageFieldsOf(engineKind);
    if (fields) {
        if (run.format == "png")
            return Usage("--fields is for JSON and CSV");
        CoverageFieldsRead read = ReadCoverageFields(Lower(*fields), engineKind);
        if (!read.error.empty())
            return Usage("--fields: " + read.error);
        run.fields = std::move(read.fields);
    }
    if (grid) {
        const std::optional<int> g = ParseInteger(*grid);
        if (!g || *g < kMinCellDeg || *g > kMaxCellDeg)
            return Usage("--grid must be a whole number of degrees from 1 to 10");
        run.request.cellDeg = *g;
    }
    run.request.halfHours =
        Lower(*utc) == "all" ? CoverageDayHalfHours(engineKind) : HalfHoursOfText(Lower(*utc));
    if (run.request.halfHours.empty())
        return ArgFailure{"--utc '" + *utc + "': a time HHMM from 0000 to 2359, or all", 1};
    const std::optional<DateValue> day = ParseIsoDate(*date);
    if (!day)
        return ArgFailure{"--date '" + *date + "': Invalid date (YYYY-MM-DD, 1901 to 2099)", 1};
    run.request.date = *day;
    if (p533)
        if (auto failure = ReadP533StationNumbers(stationArgs, run.station))
            return failure;

    CommandData data;
    if (auto failure = ReadCommandData(dataDir, data))
        return failure;
    Settings settings = data.settings;
    if (auto failure = ApplyOverrides(overrides, settings))
        return failure->status == 2 ? Usage(failure->text) : *failure;
    const std::optional<CoverageBand> band = CoverageBandOf(settings, *freq);
    if (!band)
        return ArgFailure{"--freq '" + *freq + "': a frequency from 3.0 to 30.0 MHz", 1};
    run.request.band = *band;
    if (p533) {
        if (auto failure = ReadP533StationFiles(stationArgs, settings, run.station))
            return failure;
        run.request.engine = {PredictionEngine::P533, nullptr, run.station.request};
    }

    const TerminalArgs resolved = ResolveCommandTerminal(station, data, &settings);
    if (!resolved.ok)
        return ArgFailure{resolved.problem, 1};
    run.request.station = resolved.terminal;
    Terminal derived = resolved.terminal;
    if (const CheckResult coordinates = DeriveTerminalCoordinates(derived); !coordinates)
        return ArgFailure{OneLineText(coordinates.message), 1};
    std::optional<std::string> autoK;
    if (IsSolarAuto(solar)) {
        if (auto failure = TakeSolarAuto(data.directory, *day, run.request.solarIndexText, autoK))
            return failure;
    } else {
        const TextCheck solarIndex = CheckSolarIndex(solar.value_or(""), settings.SunspotPrimary);
        if (!solarIndex)
            return ArgFailure{OneLineText(solarIndex.message), 1};
        run.request.solarIndexText = solarIndex.text;
    }
    const TextCheck k = CheckKIndex(kIndex.value_or(autoK.value_or("")));
    if (!k)
        return ArgFailure{OneLineText(k.message), 1};
    run.request.kIndexText = k.text;
    // Centred as the map windows are: on the default terminal, else on the station.
    run.centre =
        BaseMapCentre(settings).value_or(GeoPoint{derived.LatitudeDeg, derived.LongitudeDeg});
    return std::nullopt;
}

namespace {

std::optional<std::string> WritePngs(const CoverageRun& run, const CoverageMap& map) {
    const CoverageProjection projection{run.greatCircle, run.centre};
    // The sheet's margins around the map keep the picture --size wide.
    const int mapWidth = run.pngWidth - 2 * kCoverageSheetMargin;
    const ImageSize size =
        CoverageImageSize(projection, mapWidth, run.greatCircle ? mapWidth : mapWidth / 2);
    PixelBuffer base(kRectangularBaseWidth, kRectangularBaseHeight);
    if (run.greatCircle) {
        base = PixelBuffer(kGreatCircleBaseSize, kGreatCircleBaseSize);
        DrawGreatCircleBaseMap(base, run.centre);
    } else {
        DrawRectangularBaseMap(base, run.centre.lon);
    }
    const PixelCells pixels = MapPixelsToCells(map.grid, projection, size.width, size.height);
    PixelBuffer image(size.width, size.height);
    const std::filesystem::path out = *run.out;
    const bool several = map.halfHours.size() > 1;
    if (several)
        if (std::optional<std::string> problem = MakePictureFolder(*run.out))
            return problem;
    for (std::size_t k = 0; k < map.halfHours.size(); ++k) {
        CoveragePicture picture;
        picture.map = &map;
        picture.slotIndex = static_cast<int>(k);
        picture.show = run.show;
        picture.projection = projection;
        picture.pixels = &pixels;
        picture.utDate = run.request.date;
        picture.timeText = HalfHourText(map.halfHours[k]);
        picture.stationLabel = run.request.station.Name;
        image.SetFontPixelSize(std::max(size.height / 45, 10));
        RenderCoverageMap(image, base, picture);
        const PixelBuffer sheet = DrawCoverageSheet(
            image,
            CoverageSheetTitle(map, IsoDateText(run.request.date), picture.timeText, run.show),
            run.show);
        const std::filesystem::path file =
            several ? out / ("coverage-" + picture.timeText + ".png") : out;
        if (std::optional<std::string> problem = WriteMapPng(sheet, file))
            return problem;
    }
    return std::nullopt;
}

} // namespace

int RunCoverageCommand(const std::vector<std::string>& argList) {
    if (std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kCoverageUsage, stdout);
        return 0;
    }
    CoverageRun run;
    if (const std::optional<ArgFailure> failure = ReadCoverageRun(argList, run)) {
        ReportRefusal("coverage", failure->text);
        return failure->status;
    }
    if (run.request.engine.IsP533()) {
        const P533DataRead load = LoadP533Data();
        if (!load.data)
            return ReportRefusal("coverage", load.error);
        run.request.engine.data = load.data;
    }
    const CoverageMap map = ComputeCoverage(run.request);
    if (!map.ok)
        return ReportRefusal("coverage", OneLineText(map.message));
    if (run.format == "png") {
        if (const std::optional<std::string> problem = WritePngs(run, map))
            return ReportRefusal("coverage", *problem);
        return 0;
    }
    const std::string output =
        run.format == "csv" ? CoverageCsv(map, run.fields) : CoverageJson(map, run.fields) + "\n";
    if (const std::optional<std::string> problem = WriteMapOutput(output, run.out))
        return ReportRefusal("coverage", *problem);
    return 0;
}
