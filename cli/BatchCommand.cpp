#include "batch/BatchFile.h"
#include "batch/BatchReportFile.h"
#include "batch/BatchRun.h"
#include "batch/BatchTableText.h"
#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/CommandOutput.h"
#include "cli/Commands.h"
#include "cli/RequestArgs.h"
#include "cli/SettingOverrides.h"
#include "cli/SolarAuto.h"
#include "core/FieldChecks.h"
#include "core/OutputFile.h"
#include "core/SystemDates.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char* kBatchUsage =
    "usage: hopscope-cli batch run FILE.hbt [--out REPORT] [--append|--overwrite]\n"
    "                          [--format text|json] [OPTIONS]\n"
    "       hopscope-cli batch show FILE.hbt [--format text|json] [--data-dir DIR]\n"
    "       hopscope-cli batch new FILE.hbt [--force] [--data-dir DIR]\n"
    "\n"
    "Batch tables (.hbt) of up to fifteen predictions, as the batch window keeps them.\n"
    "run   predicts every row and writes the reports, each followed by a dashed line, to\n"
    "      standard output or to REPORT (an existing REPORT needs --append or\n"
    "      --overwrite; '-', /dev/stdout, a pipe or a device is written into as it\n"
    "      is); --format json gives each row's status and, for the rows that\n"
    "      ran, the prediction as 'predict --format json' gives it. A row that cannot run\n"
    "      is reported with its reason and the command exits 1 after running the others;\n"
    "      rows without terminal B, date, solar and K index are left out.\n"
    "show  lists the rows of a table.\n"
    "new   writes a table of fifteen default rows (DEFAULT to nowhere, short path);\n"
    "      an existing file is kept unless --force.\n"
    "\n"
    "Options of run, for this run only (the settings file is never written):\n"
    "  --freqs, --constants, --min-angle, --bandwidth, --noise, --suppression,\n"
    "  --show-zero | --hide-zero, --snr | --signal   as for 'predict'\n"
    "  --utc | --local | --tz-offset +HH:MM   times in UTC or local time\n"
    "  --date-order mdy|dmy|ymd   how the table's dates and the report's date read\n"
    "  --date-separator C         the separator of the table's dates (default: locale)\n"
    "  --sunspot-primary | --flux-primary   what a solar index without S or F means\n"
    "  --solar auto     rows whose solar index is empty take the published figure of\n"
    "                   their day (and its K index when theirs is empty too)\n"
    "  --default-lat LAT --default-lon LON [--default-name NAME]   the DEFAULT terminal\n"
    "  --data-dir DIR   the folder of Hopscope.SAV and Hopscope.ATL\n";

struct Failure {
    std::string text;
    int status = 1;
};

Failure FromArgs(const ArgFailure& failure) {
    return {failure.text, failure.status};
}

int Report(const Failure& failure) {
    return failure.status == 2 ? ReportUsageError("batch", failure.text, kBatchUsage)
                               : ReportRefusal("batch", failure.text);
}

std::optional<std::string> Format(ArgList& args, std::optional<Failure>& failure) {
    std::string format = Lower(args.Value("format").value_or("text"));
    if (format != "text" && format != "json") {
        failure = Failure{"--format must be text or json", 2};
        return std::nullopt;
    }
    return format;
}

/// The one positional argument: the table's file.
std::optional<Failure> TableFile(ArgList& args, fs::path& file) {
    const std::vector<std::string> positionals = args.Positionals();
    if (positionals.size() != 1)
        return Failure{positionals.empty() ? "give the batch table file" : "unexpected argument",
                       2};
    file = positionals.front();
    return std::nullopt;
}

std::optional<Failure> ReadTable(const fs::path& file, BatchTable& table) {
    const BatchFileRead read = ReadBatchTableFile(file);
    if (!read.ok)
        return Failure{file.string() + ": " + read.error};
    table = BatchTable{};
    PutBatchRecords(table, read.records);
    if (const std::string note = BatchReadNote(read); !note.empty())
        ReportRefusal("batch", file.string() + ": " + OneLineText(ErrorMessage(note)));
    return std::nullopt;
}

int New(ArgList& args) {
    const bool force = args.Flag("force");
    args.Value("data-dir"); // as for show: a new table needs no data
    fs::path file;
    if (auto failure = TableFile(args, file))
        return Report(*failure);
    if (const auto problem = args.Problem())
        return Report({*problem, 2});
    std::error_code ec;
    if (!force && fs::exists(file, ec))
        return Report({file.string() + " exists; give --force to replace it"});
    if (const FileWriteResult saved = SaveBatchTableFile(file, DefaultBatchTable(true)); !saved)
        return Report({"Unable to save batch file " + file.string() + ": " + saved.error});
    return 0;
}

int Show(ArgList& args) {
    std::optional<Failure> failure;
    const std::optional<std::string> format = Format(args, failure);
    // Taken as every batch command takes it; a table is listed as it is written.
    args.Value("data-dir");
    fs::path file;
    if (!failure)
        failure = TableFile(args, file);
    if (!failure)
        if (const auto problem = args.Problem())
            failure = Failure{*problem, 2};
    BatchTable table;
    if (!failure)
        failure = ReadTable(file, table);
    if (failure)
        return Report(*failure);
    const std::string text = *format == "json" ? BatchTableJson(table) : BatchTableListing(table);
    return WriteStandardOutput(text) ? 0 : Report({"the output could not be written"});
}

/// The DEFAULT terminal given on the command line, put into the settings.
std::optional<Failure> ApplyDefaultTerminal(const std::optional<std::string>& lat,
                                            const std::optional<std::string>& lon,
                                            const std::optional<std::string>& name,
                                            Settings& settings) {
    if (!lat && !lon && !name)
        return std::nullopt;
    if (!lat || !lon)
        return Failure{"give both --default-lat and --default-lon", 2};
    const TextCheck latitude = CheckLatitudeField(AtlasUpperCase(*lat));
    if (!latitude)
        return Failure{"--default-lat '" + *lat + "': " + OneLineText(latitude.message)};
    const TextCheck longitude = CheckLongitudeField(AtlasUpperCase(*lon));
    if (!longitude)
        return Failure{"--default-lon '" + *lon + "': " + OneLineText(longitude.message)};
    settings.DefaultLatitudeText = latitude.text;
    settings.DefaultLongitudeText = longitude.text;
    settings.DefaultName = CutText(name.value_or(""), kNameCapacity);
    DeriveSettings(settings);
    return std::nullopt;
}

/// --solar auto: the published figure of its day into every row in use whose solar
/// cell is empty (and into its K cell when that is empty too). A row without a figure
/// keeps its empty cell, so the run reports it as it reports any such row.
void FillSolarCells(BatchTable& table, const DateConventions& dates, const fs::path& dataDir) {
    for (std::size_t i = 0; i < table.Rows.size(); ++i) {
        BatchRecord& row = table.Rows[i];
        if (row.TerminalB.empty() || !row.SolarText.empty())
            continue;
        const std::optional<DateValue> day = ParseDateText(row.DateText, dates);
        if (!day)
            continue;
        SolarFigure figure;
        if (const auto none = FetchSolarFigure("batch", dataDir, *day, false, figure)) {
            ReportRefusal("batch", "row " + std::to_string(i + 1) + ": " + none->text);
            continue;
        }
        row.SolarText = figure.solarText;
        if (row.KIndexText.empty())
            row.KIndexText = figure.kText;
        UseSolarFigureNote(figure);
    }
}

int Run(ArgList& args) {
    std::optional<Failure> failure;
    const std::optional<std::string> format = Format(args, failure);
    const std::optional<std::string> out = args.Value("out");
    const bool append = args.Flag("append");
    const bool overwrite = args.Flag("overwrite");
    const std::optional<std::string> dateOrder = args.Value("date-order");
    const std::optional<std::string> dateSeparator = args.Value("date-separator");
    const bool sunspotPrimary = args.Flag("sunspot-primary");
    const bool fluxPrimary = args.Flag("flux-primary");
    const std::optional<std::string> defaultLat = args.Value("default-lat");
    const std::optional<std::string> defaultLon = args.Value("default-lon");
    const std::optional<std::string> defaultName = args.Value("default-name");
    const SettingOverrides overrides = TakeOverrides(args);
    const std::optional<std::string> solar = args.Value("solar");
    if (solar && !IsSolarAuto(solar))
        failure = Failure{"--solar is not an option of batch run (only --solar auto)", 2};
    // Of the request options only the data folder and the time zone belong here.
    for (const char* own : {"date", "k", "a", "b", "a-lat", "a-lon", "b-lat", "b-lon"})
        if (!failure && args.Value(own))
            failure = Failure{std::string("--") + own + " is not an option of batch run", 2};
    RequestArgs request = TakeRequestArgs(args);
    // The terminals come from the table, not from options.
    for (TerminalOptions& terminal : request.terminals)
        terminal.usageProblem.clear();
    fs::path file;
    if (!failure)
        failure = TableFile(args, file);
    if (!failure)
        if (const auto problem = args.Problem())
            failure = Failure{*problem, 2};
    if (!failure && append && overwrite)
        failure = Failure{"give only one of --append and --overwrite", 2};
    if (!failure && (append || overwrite) && !out)
        failure = Failure{"--append and --overwrite go with --out", 2};
    if (!failure && sunspotPrimary && fluxPrimary)
        failure = Failure{"give only one of --sunspot-primary and --flux-primary", 2};
    BatchContext context;
    context.dates = SystemDateConventions();
    if (!failure)
        if (auto bad = CheckRequestArgs(request))
            failure = FromArgs(*bad);
    if (!failure)
        if (auto bad = ApplyDateOptions(dateOrder, dateSeparator, context.dates))
            failure = FromArgs(*bad);
    if (failure)
        return Report(*failure);

    CommandData data;
    if (auto bad = ReadCommandData(request.dataDir, data))
        return Report(FromArgs(*bad));
    context.settings = data.settings;
    if (auto bad = ApplyOverrides(overrides, context.settings))
        return Report(FromArgs(*bad));
    if (sunspotPrimary || fluxPrimary)
        context.settings.SunspotPrimary = sunspotPrimary;
    if (auto bad = ApplyDefaultTerminal(defaultLat, defaultLon, defaultName, context.settings))
        return Report(*bad);
    context.atlas = &data.atlas;
    context.zone = RequestTimeZone(request, context.settings.UseUtc, ReadSystemClock());

    ReportFileMode mode = append ? ReportFileMode::Append
                                 : (overwrite ? ReportFileMode::Overwrite : ReportFileMode::Create);
    std::error_code ec;
    if (out && mode == ReportFileMode::Create && !IsDirectOutput(*out) && fs::exists(*out, ec))
        return Report({*out + " exists; give --append or --overwrite"});

    BatchTable table;
    if (auto bad = ReadTable(file, table))
        return Report(*bad);
    if (solar)
        FillSolarCells(table, context.dates, data.directory);
    const std::vector<BatchRowRun> rows = RunBatchTable(table, context, ReportStyle::BatchFile);
    const std::string text = *format == "json" ? BatchRunJson(rows) : BatchReportText(rows);
    if (out) {
        if (const ReportFileResult written = WriteReportFile(*out, text, mode); !written.ok)
            return Report({written.message});
    } else if (!WriteStandardOutput(text)) {
        return Report({"the output could not be written"});
    }
    bool refused = false;
    for (const BatchRowRun& row : rows)
        if (row.status == BatchRowStatus::Refused) {
            refused = true;
            if (*format == "text")
                ReportRefusal("batch", "row " + std::to_string(row.row) + ": " + row.reason);
        }
    return refused ? 1 : 0;
}

} // namespace

int RunBatchCommand(const std::vector<std::string>& argList) {
    if (argList.empty() || std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kBatchUsage, argList.empty() ? stderr : stdout);
        return argList.empty() ? 2 : 0;
    }
    ArgList args(std::vector<std::string>(argList.begin() + 1, argList.end()));
    const std::string& sub = argList.front();
    if (sub == "run")
        return Run(args);
    if (sub == "show")
        return Show(args);
    if (sub == "new")
        return New(args);
    return Report({"unknown batch command '" + sub + "' (run, show or new)", 2});
}
