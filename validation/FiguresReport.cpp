#include "validation/FiguresReport.h"

#include "core/Numeric.h"
#include "core/Utf8Text.h"
#include "text/CsvText.h"
#include "text/JsonText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <map>

namespace {

std::string Fixed(double value, int decimals) {
    return FormatFixed(value, 0, decimals);
}

std::string TextRow(const std::string& label, const ErrorSummary& s) {
    // The label padded to 20 characters (its dashes and signs are one character each).
    const std::string padded =
        label + std::string(20 - std::min<std::size_t>(20, Utf8Length(label)), ' ');
    char line[160];
    std::snprintf(line, sizeof line, "  %s %6d %7s %7s %6s %6s %7s\n", padded.c_str(), s.count,
                  FormatFixed(s.meanDb, 0, 1).c_str(), FormatFixed(s.medianDb, 0, 1).c_str(),
                  FormatFixed(s.sdDb, 0, 1).c_str(), FormatFixed(s.rmsDb, 0, 1).c_str(),
                  FormatFixed(s.within10Percent, 0, 1).c_str());
    return line;
}

std::string CsvRow(const std::string& engine, const std::string& grouping, const std::string& group,
                   const ErrorSummary& s) {
    return CsvField(engine) + "," + CsvField(grouping) + "," + CsvField(group) + "," +
           std::to_string(s.count) + "," + Fixed(s.meanDb, 2) + "," + Fixed(s.medianDb, 2) + "," +
           Fixed(s.sdDb, 2) + "," + Fixed(s.rmsDb, 2) + "," + Fixed(s.within10Percent, 2) + "\r\n";
}

std::string JsonFigure(double value) {
    return JsonNumber(RoundToShown(value, 2));
}

std::string JsonSummary(const ErrorSummary& s) {
    return "\"hours\": " + std::to_string(s.count) + ", \"mean_db\": " + JsonFigure(s.meanDb) +
           ", \"median_db\": " + JsonFigure(s.medianDb) + ", \"sd_db\": " + JsonFigure(s.sdDb) +
           ", \"rms_db\": " + JsonFigure(s.rmsDb) +
           ", \"within_10db_percent\": " + JsonFigure(s.within10Percent);
}

/// The whole-set figures of each engine in a FiguresCsv text.
struct CommittedFigures {
    int hours = 0;
    double meanDb = 0.0;
    double sdDb = 0.0;
    double rmsDb = 0.0;
};

std::map<std::string, CommittedFigures> ReadCommitted(std::string_view csv) {
    std::map<std::string, CommittedFigures> committed;
    std::size_t start = 0;
    while (start < csv.size()) {
        std::size_t end = csv.find('\n', start);
        if (end == std::string_view::npos)
            end = csv.size();
        std::string_view line = csv.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        // engine,all,all,hours,mean,median,sd,rms,within: no field of the row is quoted.
        std::vector<std::string_view> fields;
        for (std::size_t from = 0;;) {
            const std::size_t comma = line.find(',', from);
            fields.push_back(line.substr(from, comma - from));
            if (comma == std::string_view::npos)
                break;
            from = comma + 1;
        }
        if (fields.size() != 9 || fields[1] != "all" || fields[2] != "all")
            continue;
        double v[4] = {};
        const int columns[4] = {3, 4, 6, 7};
        bool read = true;
        for (int k = 0; k < 4; ++k) {
            const std::string_view f = fields[columns[k]];
            read = read && std::from_chars(f.data(), f.data() + f.size(), v[k]).ec == std::errc();
        }
        if (read)
            committed[std::string(fields[0])] = {static_cast<int>(v[0]), v[1], v[2], v[3]};
    }
    return committed;
}

} // namespace

std::string FiguresText(const ValidationRun& run) {
    std::string text =
        "Measured hours: " + std::to_string(run.measuredHours) + " of " + run.dataName +
        (run.every > 1 ? " (every " + std::to_string(run.every) + "th circuit)" : "") +
        "\nP.533 options: " + run.p533Options + "\n";
    for (std::size_t e = 0; e < run.engines.size(); ++e)
        text += run.engines[e].engine + " engine predicted " + std::to_string(run.predicted[e]) +
                " hours\n";
    for (const EngineFigures& engine : run.engines) {
        text += "\n" + engine.engine + " engine, error = predicted − measured (dB), " +
                std::to_string(engine.overall.count) + " hours every engine predicted\n";
        text += "  group                 hours    mean  median     sd    rms  % ±10 dB\n";
        text += TextRow("all", engine.overall);
        for (const GroupFigures& g : engine.groups)
            text += TextRow(g.group, g.summary);
    }
    return text;
}

std::string FiguresCsv(const ValidationRun& run) {
    std::string csv =
        "engine,grouping,group,hours,mean_db,median_db,sd_db,rms_db,within_10db_percent\r\n";
    for (const EngineFigures& engine : run.engines) {
        csv += CsvRow(engine.engine, "all", "all", engine.overall);
        for (const GroupFigures& g : engine.groups)
            csv += CsvRow(engine.engine, g.grouping, g.group, g.summary);
    }
    return csv;
}

std::string FiguresJson(const ValidationRun& run) {
    std::string json = "{\"data\": " + JsonString(run.dataName) +
                       ", \"every\": " + std::to_string(run.every) +
                       ", \"measured_hours\": " + std::to_string(run.measuredHours) +
                       ", \"p533_options\": " + JsonString(run.p533Options) + ", \"engines\": [";
    for (std::size_t e = 0; e < run.engines.size(); ++e) {
        const EngineFigures& engine = run.engines[e];
        json += std::string(e ? ", " : "") + "\n  {\"engine\": " + JsonString(engine.engine) +
                ", \"predicted_hours\": " + std::to_string(run.predicted[e]) + ", \"overall\": {" +
                JsonSummary(engine.overall) + "}, \"groups\": [";
        for (std::size_t g = 0; g < engine.groups.size(); ++g)
            json += std::string(g ? "," : "") +
                    "\n    {\"grouping\": " + JsonString(engine.groups[g].grouping) +
                    ", \"group\": " + JsonString(engine.groups[g].group) + ", " +
                    JsonSummary(engine.groups[g].summary) + "}";
        json += "]}";
    }
    return json + "]}\n";
}

std::string PredictedHoursCsv(const std::vector<MeasuredHour>& hours,
                              const std::vector<std::string>& engines,
                              const std::vector<std::vector<PredictedHour>>& predictions,
                              const std::vector<bool>& daylight) {
    std::string csv = "circuit,tx,rx,freq_mhz,dist_km,long_path,year,month,ssn,hour_utc,daylight,"
                      "measured_dbuv_m";
    for (const std::string& engine : engines)
        csv += "," + engine + "_dbuv_m," + engine + "_muf_mhz";
    csv += "\r\n";
    for (std::size_t i = 0; i < hours.size(); ++i) {
        const MeasuredHour& h = hours[i];
        csv += std::to_string(h.circuit) + "," + CsvField(h.txName) + "," + CsvField(h.rxName) +
               "," + JsonNumber(h.freqMHz) + "," + JsonNumber(h.distanceKm) + "," +
               (h.longPath ? "1," : "0,") + std::to_string(h.year) + "," + std::to_string(h.month) +
               "," + JsonNumber(h.ssn) + "," + std::to_string(h.hourUtc) + "," +
               (daylight[i] ? "1," : "0,") + JsonNumber(h.fieldDbu);
        for (const std::vector<PredictedHour>& p : predictions)
            csv += "," + (p[i].fieldDbu ? Fixed(*p[i].fieldDbu, 2) : std::string()) + "," +
                   Fixed(p[i].mufMHz, 2);
        csv += "\r\n";
    }
    return csv;
}

FiguresCheck CheckFigures(const ValidationRun& run, std::string_view committedCsv,
                          std::string_view fileName) {
    FiguresCheck check;
    const auto fail = [&](std::string line) {
        check.ok = false;
        check.lines.push_back("FAIL: " + std::move(line));
    };
    const std::string file(fileName);
    const std::map<std::string, CommittedFigures> committed = ReadCommitted(committedCsv);
    if (committed.empty())
        fail(file + " holds no engine's figures");
    for (const EngineFigures& engine : run.engines) {
        const ErrorSummary& now = engine.overall;
        if (engine.engine == "P.533") {
            if (now.rmsDb > kP533RmsLimitDb)
                fail("P.533 rms error " + Fixed(now.rmsDb, 2) + " dB exceeds " +
                     Fixed(kP533RmsLimitDb, 1) + " dB");
            if (std::fabs(now.meanDb) > kP533MeanLimitDb)
                fail("P.533 mean error " + Fixed(now.meanDb, 2) + " dB leaves +-" +
                     Fixed(kP533MeanLimitDb, 1) + " dB");
        }
    }
    for (const auto& [name, was] : committed) {
        const EngineFigures* found = nullptr;
        for (const EngineFigures& engine : run.engines)
            if (engine.engine == name)
                found = &engine;
        if (!found) {
            fail(name + " engine of " + file + " was not run");
            continue;
        }
        const ErrorSummary& now = found->overall;
        const struct {
            const char* what;
            double now;
            double was;
        } figures[] = {{"rms error", now.rmsDb, was.rmsDb},
                       {"|mean error|", std::fabs(now.meanDb), std::fabs(was.meanDb)},
                       {"standard deviation", now.sdDb, was.sdDb}};
        for (const auto& f : figures) {
            const std::string change = name + " " + f.what + " " + Fixed(f.now, 2) + " dB, " +
                                       file + " has " + Fixed(f.was, 2) + " dB";
            if (f.now > f.was + kWorseToleranceDb)
                fail(change);
            else if (f.now < f.was - kWorseToleranceDb)
                check.lines.push_back("better: " + change + " (update the file)");
        }
        if (now.count < was.hours)
            fail(name + " predicted " + std::to_string(now.count) + " common hours, " + file +
                 " has " + std::to_string(was.hours));
    }
    return check;
}
