#include "atlas/Atlas.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandHelp.h"
#include "cli/Commands.h"
#include "cli/IsoDate.h"
#include "cli/RequestArgs.h"
#include "cli/TerminalArgs.h"
#include "core/Geometry.h"
#include "core/Numeric.h"
#include "core/OutputFile.h"
#include "core/Syntax.h"
#include "core/TimeZone.h"
#include "maps/BaseMaps.h"
#include "maps/MapCompose.h"
#include "settings/DefaultTerminal.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

int UsageError(const std::string& problem) {
    return ReportUsageError("map", problem, kMapUsage);
}

int Refuse(const std::string& problem) {
    return ReportRefusal("map", problem);
}

constexpr int kBaseSize = 355;

std::optional<double> ReadCoordinate(const std::string& text, CoordinateKind kind) {
    const CoordinateParse parse = ParseCoordinate(AtlasUpperCase(text), kind);
    if (!parse)
        return std::nullopt;
    return parse.valueDeg;
}

/// The point an atlas prefix, a grid locator or DEFAULT names, resolved as the
/// prediction dialog resolves a terminal; nothing when it names no place.
std::optional<GeoPoint> PlaceFromPrefix(const std::string& given, const Atlas& atlas,
                                        const Settings& settings) {
    TerminalTexts typed;
    typed.prefix = given;
    const ResolvedTerminal place =
        ResolveTerminal(typed, 'A', {&atlas, DefinedDefaultTerminal(settings)});
    if (!place)
        return std::nullopt;
    const auto lat = ReadCoordinate(place.terminal.LatitudeText, CoordinateKind::Latitude);
    const auto lon = ReadCoordinate(place.terminal.LongitudeText, CoordinateKind::Longitude);
    if (!lat || !lon)
        return std::nullopt;
    return GeoPoint{*lat, *lon};
}

bool TerminalGiven(const std::vector<std::string>& raw, const std::string& letter) {
    for (const std::string& arg : raw)
        if (arg.rfind("--" + letter, 0) == 0 && (arg.size() == 3 || arg[3] == '-' || arg[3] == '='))
            return true;
    return false;
}

} // namespace

int RunMapCommand(const std::vector<std::string>& rawArgs) {
    ArgList args(rawArgs);
    if (args.Flag("help") || args.Flag("h")) {
        std::fputs(kMapUsage, stdout);
        return 0;
    }
    const bool hasA = TerminalGiven(rawArgs, "a");
    const bool hasB = TerminalGiven(rawArgs, "b");
    const TerminalOptions aOptions = hasA ? TakeTerminalOptions(args, "a") : TerminalOptions{};
    const TerminalOptions bOptions = hasB ? TakeTerminalOptions(args, "b") : TerminalOptions{};
    const auto centreLat = args.Value("centre-lat");
    const auto centreLon = args.Value("centre-lon");
    const auto centrePrefix = args.Value("centre");
    const auto dateText = args.Value("date");
    const auto utcText = args.Value("utc");
    const bool night = args.Flag("night");
    const bool grid = args.Flag("grid");
    const bool polar = args.Flag("polar");
    const auto sizeText = args.Value("size");
    const auto dataDir = args.Value("data-dir");
    const auto out = args.Value("out");
    const std::vector<std::string> positionals = args.Positionals();
    if (const auto problem = args.Problem())
        return UsageError(*problem);
    if (positionals.size() != 1 || (positionals[0] != "rect" && positionals[0] != "gc"))
        return UsageError("name the map: rect or gc");
    const bool greatCircle = positionals[0] == "gc";
    if (!out)
        return UsageError("--out FILE.png is missing");
    if ((centreLat || centreLon) && (!centreLat || !centreLon || centrePrefix))
        return UsageError("give --centre-lat with --centre-lon, or --centre alone");
    if (hasA && !hasB)
        return UsageError("a path needs terminal B (--b)");
    for (const TerminalOptions* t : {&aOptions, &bOptions})
        if (!t->usageProblem.empty())
            return UsageError(t->usageProblem);

    int size = kBaseSize;
    if (sizeText) {
        const std::optional<int> n = ParseInteger(*sizeText);
        if (!n || *n < 101 || *n > 6001)
            return Refuse("--size '" + *sizeText + "': a width from 101 to 6001 pixels");
        size = *n | 1;
    }

    CommandData data;
    if (const auto failure = ReadCommandData(dataDir, data))
        return Refuse(failure->text);
    const Settings& settings = data.settings;
    const Atlas& atlas = data.atlas;
    TerminalArgs a, b;
    if (hasA && !(a = ResolveCommandTerminal(aOptions, data)).ok)
        return Refuse(a.problem);
    if (hasB && !(b = ResolveCommandTerminal(bOptions, data)).ok)
        return Refuse(b.problem);

    std::optional<GeoPoint> centre;
    if (centreLat) {
        const auto lat = ReadCoordinate(*centreLat, CoordinateKind::Latitude);
        const auto lon = ReadCoordinate(*centreLon, CoordinateKind::Longitude);
        if (!lat)
            return Refuse("--centre-lat '" + *centreLat + "': not a latitude");
        if (!lon)
            return Refuse("--centre-lon '" + *centreLon + "': not a longitude");
        centre = GeoPoint{*lat, *lon};
    } else if (centrePrefix) {
        centre = PlaceFromPrefix(*centrePrefix, atlas, settings);
        if (!centre)
            return Refuse(*centrePrefix + " not found in atlas and not a valid grid locator");
    } else {
        centre = BaseMapCentre(settings);
        if (!centre)
            return Refuse("no default terminal is defined: give --centre-lat and --centre-lon "
                          "or --centre");
    }

    MapOverlays overlays;
    overlays.grid = grid;
    overlays.polarZones = polar;
    overlays.night = night;
    overlays.screenWidth = static_cast<int>(std::lround(1024.0 * size / kBaseSize));
    if (dateText || utcText || night) {
        const ClockReading clock = ReadSystemClock();
        DateValue date = UtcToday(clock);
        double hours = (UtcNow(clock) - date) * 24.0;
        if (dateText) {
            const std::optional<DateValue> parsed = ParseIsoDate(*dateText);
            if (!parsed)
                return Refuse("--date '" + *dateText +
                              "': Invalid date (YYYY-MM-DD, 1901 to 2099)");
            date = *parsed;
        }
        if (utcText) {
            const std::optional<double> h =
                IsValidHHMM(*utcText) ? HHMMToHours(*utcText) : std::nullopt;
            if (!h)
                return Refuse("--utc '" + *utcText + "': a time HHMM from 0000 to 2359");
            hours = *h;
        }
        overlays.sun = SubsolarPointAt(date, hours);
        overlays.timeLabel = TimeLabelText(FormatHHMM(hours / 24.0), "UTC");
    }
    if (hasB) {
        MapPaths paths;
        if (hasA) {
            paths.a = a.terminal;
        } else {
            paths.a.Prefix = "<Ins>";
            paths.a.LatitudeText = FormatFixed(centre->lat, 0, 4);
            paths.a.LongitudeText = FormatFixed(centre->lon, 0, 4);
        }
        paths.b = b.terminal;
        if (const PathGeometryResult result =
                ComputePathGeometry(paths.a, paths.b, paths.shortPath, paths.longPath);
            !result)
            return Refuse(OneLineText(result.message));
        overlays.paths = paths;
    }

    std::optional<std::string> png;
    if (greatCircle) {
        PixelBuffer base(size, size);
        DrawGreatCircleBaseMap(base, *centre);
        const int imageSize = GreatCircleImageSize(size);
        PixelBuffer image(imageSize, imageSize);
        image.SetFontPixelSize(std::max(9, 13 * size / kBaseSize));
        ComposeGreatCircleMap(base, *centre, image, overlays);
        png = image.EncodePng();
    } else {
        PixelBuffer base(size, RectangularBaseHeight(size));
        DrawRectangularBaseMap(base, centre->lon);
        PixelBuffer image(base.Width() + 2, base.Height() + 2);
        image.SetFontPixelSize(std::max(9, 13 * size / kBaseSize));
        ComposeRectangularMap(base, centre->lon, image, overlays);
        png = image.EncodePng();
    }
    if (!png)
        return Refuse("the picture could not be encoded as PNG");
    if (const FileWriteResult written = WriteOutputFile(*out, *png); !written)
        return Refuse("cannot write '" + *out + "': " + written.error);
    return 0;
}
