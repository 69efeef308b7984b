// hopscope-validation: both engines' predictions held against measured monthly median
// field strengths. Usage:
//
//   hopscope-validation --measured FILE [--p533-data DIR] [--every N]
//       [--p533-options recommendation|reference] [--text FILE] [--csv FILE]
//       [--json FILE] [--hours FILE] [--pictures DIR] [--check FIGURES.csv]
//
// Without --text, --csv or --json the text table goes to standard output ("-" names it
// too). --hours writes every hour with both predictions as CSV. --every N takes every Nth circuit
// in the table's order (the first, the N+1th,
// ...). --check compares the run with committed --csv figures and exits with status 1
// when they got worse. A usage error exits with status 2, a file that cannot be read or
// written with status 1.

#include "core/ReadFile.h"
#include "core/ReplaceFile.h"
#include "graphs/CairoPicture.h"
#include "p533/CircuitPrediction.h"
#include "validation/ErrorFigures.h"
#include "validation/FiguresReport.h"
#include "validation/MeasuredHours.h"
#include "validation/PredictedHours.h"
#include "validation/ValidationPictures.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

struct Arguments {
    std::filesystem::path measured;
    std::filesystem::path p533Data;
    int every = 1;
    bool referenceOptions = false;
    std::map<std::string, std::string> outputs; ///< "--text", "--csv", "--json" → file
    std::string hoursCsv;
    std::filesystem::path pictures;
    std::filesystem::path check;
};

int Usage(const std::string& problem) {
    std::fprintf(stderr,
                 "hopscope-validation: %s\nusage: hopscope-validation --measured FILE "
                 "[--p533-data DIR] [--every N] [--p533-options recommendation|reference] "
                 "[--text FILE] [--csv FILE] [--json FILE] [--hours FILE] [--pictures DIR] "
                 "[--check FILE]\n",
                 problem.c_str());
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "hopscope-validation: %s\n", message.c_str());
    return 1;
}

/// The hours of every `every`th circuit, the circuits in the order they first appear.
std::vector<MeasuredHour> EveryNthCircuit(std::vector<MeasuredHour> hours, int every) {
    std::vector<int> order;
    std::set<int> seen;
    for (const MeasuredHour& h : hours)
        if (seen.insert(h.circuit).second)
            order.push_back(h.circuit);
    std::set<int> taken;
    for (std::size_t k = 0; k < order.size(); k += every)
        taken.insert(order[k]);
    std::erase_if(hours, [&](const MeasuredHour& h) { return !taken.contains(h.circuit); });
    return hours;
}

bool WriteOutput(const std::string& file, const std::string& text, std::string& error) {
    if (file == "-") {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return true;
    }
    const FileWriteResult written = ReplaceFile(file, text);
    if (!written)
        error = file + ": " + written.error;
    return written.Ok();
}

bool WritePictures(const std::filesystem::path& folder, const std::vector<EngineFigures>& engines,
                   std::string& error) {
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        error = folder.string() + ": " + made.message();
        return false;
    }
    std::vector<std::pair<std::string, Drawing>> pictures;
    for (const EngineFigures& engine : engines)
        pictures.emplace_back(engine.engine == "classic" ? "scatter-classic" : "scatter-p533",
                              ScatterPicture(engine));
    pictures.emplace_back("error-by-distance",
                          ErrorByGroupPicture(engines, "distance", "Error by path length"));
    pictures.emplace_back("error-by-frequency",
                          ErrorByGroupPicture(engines, "frequency", "Error by frequency"));
    for (const auto& [name, drawing] : pictures)
        for (const auto& [extension, format] :
             {std::pair{".png", PictureFormat::Png}, std::pair{".svg", PictureFormat::Svg}}) {
            const std::filesystem::path file = folder / (name + extension);
            const PictureResult written = WriteCairoPicture(file, drawing, format);
            if (!written.ok) {
                error = file.string() + ": " + written.message;
                return false;
            }
        }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc)
            return Usage(option + " needs a value");
        const std::string value = argv[++i];
        if (option == "--measured")
            args.measured = value;
        else if (option == "--p533-data")
            args.p533Data = value;
        else if (option == "--every") {
            const auto [end, ec] =
                std::from_chars(value.data(), value.data() + value.size(), args.every);
            if (ec != std::errc() || end != value.data() + value.size() || args.every < 1)
                return Usage("--every needs a whole number of at least 1");
        } else if (option == "--p533-options") {
            if (value != "recommendation" && value != "reference")
                return Usage("--p533-options is recommendation or reference");
            args.referenceOptions = value == "reference";
        } else if (option == "--text" || option == "--csv" || option == "--json")
            args.outputs[option] = value;
        else if (option == "--hours")
            args.hoursCsv = value;
        else if (option == "--pictures")
            args.pictures = value;
        else if (option == "--check")
            args.check = value;
        else
            return Usage("unknown option " + option);
    }
    if (args.measured.empty())
        return Usage("--measured FILE is needed");
    if (args.outputs.empty())
        args.outputs["--text"] = "-";
    if (args.p533Data.empty())
        args.p533Data = p533::FindDataFolder();
    if (args.p533Data.empty())
        return Failure("the P.533 data folder was not found: name it with --p533-data DIR");

    // The committed figures are read first: --csv may be about to write the same file.
    std::optional<FileReadResult> committed;
    if (!args.check.empty()) {
        committed = ReadWholeFile(args.check);
        if (!*committed)
            return Failure(args.check.string() + ": " + committed->error);
    }
    const MeasuredRead read = ReadMeasuredHoursFile(args.measured);
    if (!read.error.empty())
        return Failure(read.error);
    const p533::DataLoad data = p533::LoadPredictionData(args.p533Data);
    if (!data.data)
        return Failure(data.error);
    const std::vector<MeasuredHour> hours = EveryNthCircuit(read.hours, args.every);

    const p533::Options options =
        args.referenceOptions ? p533::Options::ReferenceCompatible() : p533::Options{};
    const std::vector<std::vector<PredictedHour>> predictions = {
        PredictClassic(hours), PredictP533(*data.data, hours, options)};
    const std::vector<std::string> names = {"classic", "P.533"};
    const std::vector<bool> daylight = MidpointInDaylight(hours);
    const std::vector<std::size_t> common = CommonHours(predictions);

    ValidationRun run;
    run.dataName = args.measured.filename().string();
    run.every = args.every;
    run.measuredHours = static_cast<int>(hours.size());
    run.p533Options = args.referenceOptions ? "reference" : "recommendation";
    for (std::size_t e = 0; e < predictions.size(); ++e) {
        run.predicted.push_back(static_cast<int>(CommonHours({predictions[e]}).size()));
        run.engines.push_back(FiguresOf(names[e], hours, predictions[e], daylight, common));
    }

    std::string error;
    const std::map<std::string, std::string (*)(const ValidationRun&)> writers = {
        {"--text", FiguresText}, {"--csv", FiguresCsv}, {"--json", FiguresJson}};
    for (const auto& [option, file] : args.outputs)
        if (!WriteOutput(file, writers.at(option)(run), error))
            return Failure(error);
    if (!args.hoursCsv.empty() &&
        !WriteOutput(args.hoursCsv, PredictedHoursCsv(hours, names, predictions, daylight), error))
        return Failure(error);
    if (!args.pictures.empty() && !WritePictures(args.pictures, run.engines, error))
        return Failure(error);

    if (committed) {
        const FiguresCheck check = CheckFigures(run, committed->bytes, args.check.string());
        for (const std::string& line : check.lines)
            std::fprintf(stderr, "%s\n", line.c_str());
        if (!check.ok)
            return Failure("the figures got worse; if the change is meant, write them anew with "
                           "--every " +
                           std::to_string(args.every) + " --csv " + args.check.string() +
                           " in the same change");
    }
    return 0;
}
