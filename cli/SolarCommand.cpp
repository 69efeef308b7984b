#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
#include "cli/IsoDate.h"
#include "cli/SettingOverrides.h"
#include "cli/SolarAuto.h"
#include "core/DataDirectory.h"
#include "text/JsonText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

constexpr const char* kSolarUsage =
    "usage: hopscope-cli solar [--date YYYY-MM-DD] [--refresh] [--format text|json]\n"
    "                          [--data-dir DIR]\n"
    "\n"
    "The solar index and K index for a day, as the solar and K index fields take them,\n"
    "from the files NOAA's Space Weather Prediction Center publishes: the day's official\n"
    "10.7 cm flux (the 20 UTC reading) while it is in the daily file, with the latest\n"
    "planetary Kp for today; for the next 27 days the flux of the 27-day outlook (the\n"
    "latest daily flux when the outlook cannot be had); else the month's published flux,\n"
    "smoothed or mean, or its predicted flux. A smoothed or predicted flux is given at\n"
    "1 AU and is brought to the Sun's distance of the day, as the engine expects an\n"
    "observed flux. The engines' models were made for the original sunspot scale: where\n"
    "a file gives only a sunspot number, it is multiplied by 0.6 (the scale published\n"
    "since 2015 to the original one) and given as S. The files are fetched together,\n"
    "within 15 seconds in all; copies are kept in the data folder and fetched again\n"
    "after a few hours (daily flux, Kp, outlook) or days (monthly figures). Exit status\n"
    "1 when there is no figure for the day; what went wrong on the way to a figure is\n"
    "written to standard error and listed in the JSON's notes.\n"
    "\n"
    "  --date DATE      the day (default: today, UTC)\n"
    "  --refresh        fetch the files needed now, however recent the copies\n"
    "  --format FORMAT  text (default) or json\n"
    "  --data-dir DIR   the folder of the data files and of the copies\n"
    "\n"
    "The server is https://services.swpc.noaa.gov unless the solar preferences\n"
    "(Hopscope-solar.cfg in the data folder, base-url=...) or $HOPSCOPE_SOLAR_URL name\n"
    "another.\n";

std::string IsoDay(const CalendarDay& day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day.year, day.month, day.day);
    return text;
}

std::string IsoTime(std::chrono::system_clock::time_point when) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string FigureDate(const SolarFigure& figure) {
    const std::string day = IsoDay(figure.figureDay);
    const bool ofADay = figure.basis == SolarBasis::Daily || figure.basis == SolarBasis::Outlook;
    return ofADay ? day : day.substr(0, 7);
}

std::string KpTime(const SolarFigure& figure) {
    if (!figure.kp)
        return "";
    char text[40];
    std::snprintf(text, sizeof text, "%sT%02d:%02d:00Z", IsoDay(figure.kp->day).c_str(),
                  figure.kp->minuteOfDay / 60, figure.kp->minuteOfDay % 60);
    return text;
}

void PrintJson(const SolarFigure& figure, std::chrono::system_clock::time_point now) {
    std::string notes;
    for (const std::string& note : figure.notes)
        notes += (notes.empty() ? "" : ", ") + JsonString(note);
    const std::string kpTime = KpTime(figure);
    const EngineSolarIndexes engines = SolarIndexesForEngines(figure);
    std::printf("{\"solar\": %s, \"k\": %s, \"basis\": %s, \"date\": %s, \"kp_time\": %s, "
                "\"fetched\": %s, \"summary\": %s, \"source\": %s, \"engines\": {\"classic\": "
                "%s, \"p533\": %s}, \"notes\": [%s]}\n",
                JsonString(figure.solarText).c_str(), JsonString(figure.kText).c_str(),
                JsonString(SolarBasisName(figure.basis)).c_str(),
                JsonString(FigureDate(figure)).c_str(),
                kpTime.empty() ? "null" : JsonString(kpTime).c_str(),
                JsonString(IsoTime(figure.fetchedAt)).c_str(),
                JsonString(SolarFigureSummary(figure, now)).c_str(),
                JsonString(SolarFigureSource(figure)).c_str(), JsonString(engines.classic).c_str(),
                JsonString(engines.p533).c_str(), notes.c_str());
}

void PrintText(const SolarFigure& figure, std::chrono::system_clock::time_point now) {
    std::printf("Solar index:  %s\n", figure.solarText.c_str());
    std::printf("K index:      %s\n", figure.kText.empty() ? "(average)" : figure.kText.c_str());
    std::printf("Basis:        %s, %s\n", SolarBasisName(figure.basis), FigureDate(figure).c_str());
    std::printf("Fetched:      %s\n", IsoTime(figure.fetchedAt).c_str());
    std::printf("%s\n", SolarFigureSummary(figure, now).c_str());
}

} // namespace

int RunSolarCommand(const std::vector<std::string>& argList) {
    if (std::find(argList.begin(), argList.end(), "--help") != argList.end()) {
        std::fputs(kSolarUsage, stdout);
        return 0;
    }
    ArgList args(argList);
    const std::optional<std::string> date = args.Value("date");
    const bool refresh = args.Flag("refresh");
    const std::string format = Lower(args.Value("format").value_or("text"));
    const std::optional<std::string> dataDir = args.Value("data-dir");
    if (const auto problem = args.Problem())
        return ReportUsageError("solar", *problem, kSolarUsage);
    if (!args.Positionals().empty())
        return ReportUsageError("solar", "solar takes no arguments besides its options",
                                kSolarUsage);
    if (format != "text" && format != "json")
        return ReportUsageError("solar", "--format must be text or json", kSolarUsage);
    const auto now = std::chrono::system_clock::now();
    DateValue day = DateFromCalendar(UtcDayOf(now).year, UtcDayOf(now).month, UtcDayOf(now).day);
    if (date) {
        const std::optional<DateValue> parsed = ParseIsoDate(*date);
        if (!parsed)
            return ReportRefusal("solar",
                                 "--date '" + *date + "': Invalid date (YYYY-MM-DD, 1901 to 2099)");
        day = *parsed;
    }
    const DataDirectoryResult dir = ResolveDataDirectory(dataDir);
    if (!dir.Ok())
        return ReportRefusal("solar", dir.error);
    SolarFigure figure;
    if (const auto failure = FetchSolarFigure("solar", dir.directory, day, refresh, figure))
        return ReportRefusal("solar", failure->text);
    for (const std::string& note : figure.notes)
        std::fprintf(stderr, "hopscope-cli solar: %s\n", note.c_str());
    if (format == "json")
        PrintJson(figure, now);
    else
        PrintText(figure, now);
    return 0;
}
