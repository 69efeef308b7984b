#include "cli/RequestArgs.h"

#include "atlas/AtlasFile.h"
#include "cli/IsoDate.h"
#include "cli/SolarAuto.h"
#include "core/DataDirectory.h"
#include "core/Numeric.h"
#include "core/Syntax.h"
#include "core/TimeZone.h"
#include "settings/SettingsFile.h"

#include <cctype>
#include <cstdio>

namespace fs = std::filesystem;

namespace {

/// "+05:30" or "-08:00": local time minus UTC, in minutes.
std::optional<int> ParseTzOffset(const std::string& text) {
    if (text.size() != 6 || (text[0] != '+' && text[0] != '-') || text[3] != ':')
        return std::nullopt;
    for (std::size_t i : {1u, 2u, 4u, 5u})
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return std::nullopt;
    const int hours = std::stoi(text.substr(1, 2));
    const int minutes = std::stoi(text.substr(4, 2));
    if (hours > 14 || minutes > 59)
        return std::nullopt;
    const int total = hours * 60 + minutes;
    return text[0] == '-' ? -total : total;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

ArgFailure Refusal(const std::string& option, const std::string& value, const TextCheck& check) {
    return {"--" + option + " '" + value + "': " + OneLineText(check.message), 1};
}

std::optional<ArgFailure> CheckSolar(const std::string& given, bool sunspotPrimary,
                                     std::string* text) {
    const TextCheck check = CheckSolarIndex(Upper(given), sunspotPrimary);
    if (!check)
        return Refusal("solar", given, check);
    if (text)
        *text = check.text;
    return std::nullopt;
}

} // namespace

RequestArgs TakeRequestArgs(ArgList& args) {
    RequestArgs r;
    r.terminals[0] = TakeTerminalOptions(args, "a");
    r.terminals[1] = TakeTerminalOptions(args, "b");
    r.dataDir = args.Value("data-dir");
    r.date = args.Value("date");
    r.solar = args.Value("solar");
    r.kIndex = args.Value("k");
    r.utc = args.Flag("utc");
    r.local = args.Flag("local");
    r.tzOffset = args.Value("tz-offset");
    return r;
}

std::optional<ArgFailure> CheckRequestArgs(const RequestArgs& args) {
    for (const TerminalOptions& t : args.terminals)
        if (!t.usageProblem.empty())
            return ArgFailure{t.usageProblem, 2};
    if (static_cast<int>(args.utc) + static_cast<int>(args.local) +
            static_cast<int>(args.tzOffset.has_value()) >
        1)
        return ArgFailure{"give only one of --utc, --local and --tz-offset", 2};
    if (args.tzOffset && !ParseTzOffset(*args.tzOffset))
        return ArgFailure{
            "--tz-offset must be +HH:MM or -HH:MM (local time minus UTC, e.g. +05:30)", 2};
    if (args.date && !ParseIsoDate(*args.date))
        return ArgFailure{"--date '" + *args.date + "': Invalid date (YYYY-MM-DD, 1901 to 2099)",
                          1};
    if (args.kIndex)
        if (const TextCheck k = CheckKIndex(*args.kIndex); !k)
            return Refusal("k", *args.kIndex, k);
    // With its letter the solar index means the same whatever the settings say.
    if (args.solar) {
        const std::string upper = Upper(*args.solar);
        if (!upper.empty() && (upper[0] == 'S' || upper[0] == 'F'))
            return CheckSolar(*args.solar, false, nullptr);
    }
    return std::nullopt;
}

TimeZoneState RequestTimeZone(const RequestArgs& args, bool settingsUseUtc,
                              const ClockReading& clock) {
    if (!args.tzOffset || !ParseTzOffset(*args.tzOffset))
        return SetTimeZone(args.local ? false : (args.utc ? true : settingsUseUtc), clock);
    TimeZoneState zone = SetTimeZone(true, clock);
    zone.utc = false;
    zone.UtcOffset = -*ParseTzOffset(*args.tzOffset) / 1440.0;
    zone.TimeZoneLabel = "ULT";
    return zone;
}

std::optional<ArgFailure> ApplyDateOptions(const std::optional<std::string>& order,
                                           const std::optional<std::string>& separator,
                                           DateConventions& dates) {
    if (order) {
        const std::string o = Lower(*order);
        if (o == "mdy")
            dates.order = DateOrder::MonthDayYear;
        else if (o == "dmy")
            dates.order = DateOrder::DayMonthYear;
        else if (o == "ymd")
            dates.order = DateOrder::YearMonthDay;
        else
            return ArgFailure{"--date-order must be mdy, dmy or ymd", 2};
    }
    if (separator) {
        if (separator->size() != 1 || std::isdigit(static_cast<unsigned char>((*separator)[0])))
            return ArgFailure{"--date-separator must be one character other than a digit", 2};
        dates.separator = (*separator)[0];
    }
    return std::nullopt;
}

std::optional<ArgFailure> ReadCommandData(const std::optional<std::string>& dataDir,
                                          CommandData& data) {
    const DataDirectoryResult dir = ResolveExistingDataDirectory(dataDir);
    if (!dir.Ok())
        return ArgFailure{dir.error, 1};
    data.directory = dir.directory;
    data.settings = ReadSettingsFile(SettingsFilePath(dir.directory)).settings;
    ReadAtlasWithoutWriting(data.atlas, dir.directory);
    return std::nullopt;
}

TerminalArgs ResolveCommandTerminal(const TerminalOptions& options, const CommandData& data,
                                    const Settings* settings) {
    const Settings& used = settings ? *settings : data.settings;
    TerminalArgs read = ResolveTerminalOptions(options, &data.atlas, used);
    if (read.ok || read.problemKind != TerminalProblem::PrefixUnknown)
        return read;
    if (!data.countries) {
        data.countries = LoadCountryFile(data.directory, CountryFileCandidates(ProgramDirectory()));
        if (data.countries->Ok() && !data.countries->warning.empty())
            std::fprintf(stderr, "hopscope-cli: %s (%s used instead)\n",
                         data.countries->warning.c_str(), data.countries->path.string().c_str());
    }
    if (!data.countries->Ok()) {
        read.problem += " (" + data.countries->error + ")";
        return read;
    }
    read = ResolveTerminalOptions(options, &data.atlas, used, &data.countries->file);
    if (read.ok)
        std::fprintf(stderr, "hopscope-cli: --%s %s\n", options.letter.c_str(),
                     read.matchText.c_str());
    return read;
}

std::optional<ArgFailure> BuildPredictionInputs(const RequestArgs& args, const CommandData& data,
                                                bool solarRequired, PredictionInputs& inputs) {
    // CheckRequestArgs has normally passed already; a caller that skipped it is
    // refused here rather than misread.
    if (auto failure = CheckRequestArgs(args))
        return failure;
    Terminal* const terminals[2] = {&inputs.terminalA, &inputs.terminalB};
    for (int i = 0; i < 2; ++i) {
        const TerminalArgs read = ResolveCommandTerminal(args.terminals[i], data);
        if (!read.ok)
            return ArgFailure{read.problem, 1};
        *terminals[i] = read.terminal;
    }

    inputs.zone = RequestTimeZone(args, data.settings.UseUtc, ReadSystemClock());
    inputs.date = args.date ? ParseIsoDate(*args.date).value_or(inputs.zone.PredictionDate)
                            : inputs.zone.PredictionDate;
    inputs.zone.PredictionDate = inputs.date;

    std::optional<std::string> autoK;
    if (IsSolarAuto(args.solar)) {
        if (auto failure = TakeSolarAuto(data.directory, inputs.date, inputs.solarIndexText, autoK,
                                         &inputs.solarSource))
            return failure;
    } else if (args.solar) {
        if (auto failure =
                CheckSolar(*args.solar, data.settings.SunspotPrimary, &inputs.solarIndexText))
            return failure;
    } else if (solarRequired) {
        return ArgFailure{OneLineText(CheckSolarIndex("", data.settings.SunspotPrimary).message),
                          1};
    }
    inputs.kIndexText = args.kIndex ? CheckKIndex(*args.kIndex).text : autoK.value_or("");
    return std::nullopt;
}

std::optional<std::string> ReadMapOutputOptions(const std::optional<std::string>& formatText,
                                                const std::optional<std::string>& sizeText,
                                                bool hasOut, std::string& format, int& pngWidth) {
    if (formatText) {
        format = Lower(*formatText);
        if (format != "json" && format != "csv" && format != "png")
            return "--format must be json, csv or png";
    }
    if (format == "png" && !hasOut)
        return "--format png needs --out FILE (or a folder with --utc all)";
    if (sizeText) {
        const std::optional<int> n = ParseInteger(*sizeText);
        if (!n || *n < 101 || *n > 8001)
            return "--size must be a width from 101 to 8001 pixels";
        pngWidth = *n;
    }
    return std::nullopt;
}
