#include "solar/SolarLookup.h"

#include "core/ReplaceFile.h"
#include "solar/HttpFetch.h"
#include "solar/SolarTables.h"

#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;

namespace {

std::optional<std::string> ReadWhole(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return text.str();
}

std::optional<Clock::time_point> ModifiedAt(const fs::path& path) {
    std::error_code ec;
    const fs::file_time_type stamp = fs::last_write_time(path, ec);
    if (ec)
        return std::nullopt;
    return std::chrono::time_point_cast<Clock::duration>(std::chrono::file_clock::to_sys(stamp));
}

} // namespace

SolarFileCopy ObtainSolarFile(SolarFile file, const SolarRequest& request) {
    const SolarSource& source = SolarSourceOf(file);
    const fs::path path = request.dataDir / source.cacheName;

    SolarFileCopy cached;
    bool haveCache = false;
    if (const auto text = ReadWhole(path)) {
        const auto when = ModifiedAt(path);
        if (when && CheckSolarFileText(file, *text).empty()) {
            cached.text = *text;
            cached.fetchedAt = *when;
            haveCache = true;
        }
    }
    const auto age = request.now - cached.fetchedAt;
    const bool fresh =
        haveCache && !request.refresh && age < source.maxAge && age > -std::chrono::minutes(10);
    if (fresh)
        return cached;

    const std::string url = request.baseUrl + std::string(source.remotePath);
    const HttpFetchResult fetched =
        FetchHttp(url, kMaxSolarFileBytes, kSolarFetchTimeoutSeconds, request.cancel);
    std::string problem;
    if (fetched.cancelled) {
        SolarFileCopy stopped;
        stopped.cancelled = true;
        stopped.error = "Cancelled";
        return stopped;
    }
    if (!fetched.Ok()) {
        problem = "the " + std::string(source.title) + " could not be fetched: " + fetched.error;
    } else if (const std::string bad = CheckSolarFileText(file, fetched.body); !bad.empty()) {
        problem =
            "the " + std::string(source.title) + " from the server is not usable (" + bad + ")";
    } else {
        SolarFileCopy copy;
        copy.text = fetched.body;
        copy.fetchedAt = request.now;
        if (const FileWriteResult written = ReplaceFile(path, fetched.body); !written) {
            copy.note = "the " + std::string(source.title) + " could not be kept: " + written.error;
        } else {
            std::error_code ec;
            fs::last_write_time(
                path,
                std::chrono::file_clock::from_sys(
                    std::chrono::time_point_cast<std::chrono::seconds>(request.now)),
                ec);
        }
        return copy;
    }
    if (haveCache) {
        cached.note =
            problem + "; the copy fetched " + AgeText(cached.fetchedAt, request.now) + " is used";
        return cached;
    }
    SolarFileCopy none;
    none.error = problem;
    return none;
}

SolarLookup LookUpSolarFigure(const SolarRequest& request) {
    SolarLookup result;
    std::vector<std::string> notes;
    std::string firstProblem;
    // Each step reads one file; a failure is remembered and the next rule is tried.
    auto obtain = [&](SolarFile file) -> std::optional<SolarFileCopy> {
        SolarFileCopy copy = ObtainSolarFile(file, request);
        if (copy.cancelled) {
            result.cancelled = true;
            return std::nullopt;
        }
        if (!copy.Ok()) {
            if (firstProblem.empty())
                firstProblem = copy.error;
            return std::nullopt;
        }
        return copy;
    };
    auto finish = [&](SolarFigure figure, const SolarFileCopy& from) {
        figure.fetchedAt = from.fetchedAt;
        if (!from.note.empty())
            figure.notes.push_back(from.note);
        figure.notes.insert(figure.notes.end(), notes.begin(), notes.end());
        result.figure = std::move(figure);
        return result;
    };

    const CalendarDay today = UtcDayOf(request.now);
    if (const auto daily = obtain(SolarFile::DailyFlux)) {
        if (auto figure = PickDailyFigure(ParseDailyFlux(daily->text).rows, request.date, today)) {
            if (request.date == today) {
                if (const auto kp = obtain(SolarFile::PlanetaryK)) {
                    figure->kp = LatestKp(ParseKpIndex(kp->text).rows, request.now);
                    if (!kp->note.empty())
                        notes.push_back(kp->note);
                    if (figure->kp)
                        figure->kText = KIndexTextOf(figure->kp->kp);
                    else
                        notes.push_back("no planetary K index of the last 24 hours");
                } else if (!result.cancelled) {
                    notes.push_back(firstProblem);
                }
            }
            if (result.cancelled)
                return result;
            return finish(std::move(*figure), *daily);
        }
    }
    if (result.cancelled)
        return result;
    if (const auto observed = obtain(SolarFile::ObservedMonths))
        if (auto figure =
                PickObservedFigure(ParseObservedMonths(observed->text).rows, request.date))
            return finish(std::move(*figure), *observed);
    if (result.cancelled)
        return result;
    if (const auto predicted = obtain(SolarFile::PredictedMonths))
        if (auto figure =
                PickPredictedFigure(ParsePredictedMonths(predicted->text).rows, request.date))
            return finish(std::move(*figure), *predicted);
    if (result.cancelled)
        return result;
    result.error = "No solar data for " + MonthYearText(request.date.year, request.date.month);
    if (!firstProblem.empty())
        result.error += " (" + firstProblem + ")";
    return result;
}
