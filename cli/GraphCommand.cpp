#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandHelp.h"
#include "cli/Commands.h"
#include "cli/PredictRun.h"
#include "cli/SettingOverrides.h"
#include "core/UserMessage.h"
#include "graphs/CairoPicture.h"
#include "graphs/MufGraph.h"
#include "graphs/SignalGraph.h"
#include "report/PredictionHeaders.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kMinSide = 200;
constexpr int kMaxSide = 10000;

struct PictureSize {
    int width = 1200, height = 900;
};

std::optional<PictureSize> ParseSize(const std::string& text) {
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos)
        return std::nullopt;
    PictureSize size;
    const char* begin = text.data();
    const char* end = begin + text.size();
    const auto w = std::from_chars(begin, begin + x, size.width);
    const auto h = std::from_chars(begin + x + 1, end, size.height);
    if (w.ec != std::errc() || w.ptr != begin + x || h.ec != std::errc() || h.ptr != end)
        return std::nullopt;
    if (size.width < kMinSide || size.height < kMinSide || size.width > kMaxSide ||
        size.height > kMaxSide)
        return std::nullopt;
    return size;
}

int UsageError(const std::string& problem) {
    return ReportUsageError("graph", problem, kGraphUsage);
}

} // namespace

int RunGraphCommand(const std::vector<std::string>& argList) {
    if (std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kGraphUsage, stdout);
        return 0;
    }
    if (argList.empty() || (argList[0] != "muf" && argList[0] != "signals"))
        return UsageError("the first argument must be muf or signals");
    const bool muf = argList[0] == "muf";
    ArgList args(std::vector<std::string>(argList.begin() + 1, argList.end()));
    const std::optional<std::string> out = args.Value("out");
    const std::optional<std::string> sizeText = args.Value("size");
    const std::optional<std::string> formatText = args.Value("format");
    const std::optional<std::string> pathText = args.Value("path");

    PictureSize size;
    if (sizeText) {
        const std::optional<PictureSize> parsed = ParseSize(*sizeText);
        if (!parsed)
            return UsageError("--size must be WIDTHxHEIGHT, each 200 to 10000");
        size = *parsed;
    }
    PathKind kind = PathKind::Short;
    if (pathText) {
        const std::string p = Lower(*pathText);
        if (p != "short" && p != "long")
            return UsageError("--path must be short or long");
        kind = p == "short" ? PathKind::Short : PathKind::Long;
    }
    PredictRun run;
    if (const std::optional<PredictFailure> failure = ReadPredictRun(args, run, false)) {
        if (failure->usage)
            return UsageError(failure->text);
        ReportRefusal("graph", failure->text);
        return failure->status;
    }
    if (!out)
        return UsageError("--out FILE is needed");
    const std::optional<PictureFormat> format =
        PictureFormatOf(formatText ? "picture." + Lower(*formatText) : *out);
    if (!format)
        return UsageError(formatText ? "--format must be png, svg or pdf"
                                     : "--out must name a .png, .svg or .pdf file (or give "
                                       "--format)");

    const PreparedPrediction prepared = PreparePrediction(run.inputs, run.settings);
    if (!prepared)
        return ReportRefusal("graph", OneLineText(prepared.message));
    const PredictionResult result = PredictPaths(prepared.request, {kind});
    const std::string dateText = FormatDateText(true, run.inputs.date, run.dates);
    const TextMeasure measure = CairoTextMeasure();
    Drawing drawing;
    if (muf) {
        drawing = MufPageDrawing(MufGraphDataOf(result, kind, run.inputs.zone),
                                 PageHeaderOf(result, kind, MufCaption(kind, dateText)), size.width,
                                 size.height, false, measure);
    } else {
        const SignalGraphData data =
            SignalGraphDataOf(result, kind, run.settings, run.inputs.zone, !run.settings.ShowSnr);
        drawing =
            SignalPageDrawing(data, PageHeaderOf(result, kind, SignalsCaption(kind, dateText)),
                              size.width, size.height, false, measure);
    }
    const PictureResult written = WriteCairoPicture(*out, drawing, *format);
    if (!written.ok)
        return ReportRefusal("graph", written.message);
    return 0;
}
