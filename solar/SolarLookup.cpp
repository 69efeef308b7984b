#include "solar/SolarLookup.h"

#include "solar/HttpFetch.h"
#include "solar/SolarCache.h"
#include "solar/SolarTables.h"

#include <algorithm>

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;

namespace {

/// The days after today the outlook covers.
constexpr long kOutlookDays = 27;
/// The days before today a daily file is looked for (it holds about a month).
constexpr long kDailySpanDays = 60;

std::string Title(SolarFile file) {
    return std::string(SolarSourceOf(file).title);
}

/// The copy of `file` in the data folder, when it is a usable text of that file.
std::optional<SolarFileCopy> CachedCopy(SolarFile file, const SolarRequest& request) {
    const SolarCopyRead read =
        ReadSolarCopy(request.dataDir / SolarSourceOf(file).cacheName, kMaxSolarFileBytes);
    if (!read.Ok() || !CheckSolarFileText(file, read.text).empty())
        return std::nullopt;
    SolarFileCopy copy;
    copy.text = read.text;
    copy.fetchedAt = read.modifiedAt;
    return copy;
}

/// After a failure: the older copy with a note, or the failure itself.
SolarFileCopy Fallback(const std::optional<SolarFileCopy>& cached, const std::string& problem,
                       bool unreachable, Clock::time_point now) {
    SolarFileCopy result;
    if (cached) {
        result = *cached;
        result.note =
            problem + "; the copy fetched " + AgeText(cached->fetchedAt, now) + " is used";
    } else {
        result.error = problem;
    }
    result.unreachable = unreachable;
    return result;
}

/// The copy that a fetched answer gives: the new text, kept in the data folder.
SolarFileCopy Fetched(SolarFile file, const HttpFetchResult& fetched,
                      const std::optional<SolarFileCopy>& cached, const SolarRequest& request) {
    if (fetched.cancelled) {
        SolarFileCopy stopped;
        stopped.cancelled = true;
        stopped.error = "Cancelled";
        return stopped;
    }
    if (!fetched.Ok())
        return Fallback(cached, "the " + Title(file) + " could not be fetched: " + fetched.error,
                        fetched.unreachable, request.now);
    if (const std::string bad = CheckSolarFileText(file, fetched.body); !bad.empty())
        return Fallback(cached,
                        "the " + Title(file) + " from the server is not usable (" + bad + ")",
                        false, request.now);
    SolarFileCopy copy;
    copy.text = fetched.body;
    copy.fetchedAt = std::chrono::time_point_cast<std::chrono::seconds>(request.now);
    const fs::path path = request.dataDir / SolarSourceOf(file).cacheName;
    if (const std::string error = WriteSolarCopy(path, fetched.body, request.now); !error.empty())
        copy.note = "the " + Title(file) + " could not be kept: " + error;
    return copy;
}

/// The files a date is looked up in, the preferred first.
struct FilePlan {
    std::vector<SolarFile> preferred; ///< the rules of the day
    std::vector<SolarFile> monthly;   ///< the rules of the month, when those give nothing
};

FilePlan PlanFor(const CalendarDay& date, const CalendarDay& today) {
    FilePlan plan;
    const long ahead = DaysBetween(today, date);
    if (ahead <= 0 && ahead >= -kDailySpanDays) {
        plan.preferred.push_back(SolarFile::DailyFlux);
        if (ahead == 0)
            plan.preferred.push_back(SolarFile::PlanetaryK);
    } else if (ahead > 0 && ahead <= kOutlookDays) {
        plan.preferred = {SolarFile::DailyOutlook, SolarFile::DailyFlux};
    }
    const bool pastMonth = std::pair(date.year, date.month) < std::pair(today.year, today.month);
    plan.monthly = {SolarFile::ObservedMonths, SolarFile::PredictedMonths};
    if (plan.preferred.empty())
        plan.preferred.push_back(pastMonth ? SolarFile::ObservedMonths
                                           : SolarFile::PredictedMonths);
    std::erase_if(plan.monthly, [&](SolarFile f) {
        return std::find(plan.preferred.begin(), plan.preferred.end(), f) != plan.preferred.end();
    });
    return plan;
}

/// The look-up's copies, obtained a group at a time, and what became of them.
class CopySet {
public:
    explicit CopySet(const SolarRequest& request) : m_request(request) {
        if (!m_request.memory)
            m_request.memory = &m_ownMemory;
        m_deadline =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(request.timeLimitMs);
    }
    void Obtain(const std::vector<SolarFile>& files) {
        const long left = static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                                m_deadline - std::chrono::steady_clock::now())
                                                .count());
        m_request.timeLimitMs = std::max(left, 1L);
        const std::vector<SolarFileCopy> copies = ObtainSolarFiles(files, m_request);
        for (std::size_t i = 0; i < files.size(); ++i)
            m_copies[files[i]] = copies[i];
    }
    /// The copy of `file` when it was obtained and is usable.
    const SolarFileCopy* Usable(SolarFile file) const {
        const auto it = m_copies.find(file);
        return it != m_copies.end() && it->second.Ok() ? &it->second : nullptr;
    }
    const SolarFileCopy* Obtained(SolarFile file) const {
        const auto it = m_copies.find(file);
        return it == m_copies.end() ? nullptr : &it->second;
    }
    bool Cancelled() const {
        return std::any_of(m_copies.begin(), m_copies.end(),
                           [](const auto& c) { return c.second.cancelled; });
    }
    bool AnyUsable() const {
        return std::any_of(m_copies.begin(), m_copies.end(),
                           [](const auto& c) { return c.second.Ok(); });
    }
    /// Why the server could not be reached during this look-up (or earlier in the run).
    std::string Unreachable() const { return m_request.memory->unreachable; }

private:
    SolarRequest m_request;
    SolarRunMemory m_ownMemory;
    std::chrono::steady_clock::time_point m_deadline;
    std::map<SolarFile, SolarFileCopy> m_copies;
};

template <typename Table> auto RowsOf(const SolarFileCopy* copy, Table (*parse)(std::string_view)) {
    return copy ? parse(copy->text).rows : decltype(parse(std::string_view()).rows){};
}

/// The figure of the first rule of the day that gives one, with the copy it came from.
std::optional<std::pair<SolarFigure, SolarFile>>
DayFigure(const CopySet& copies, const CalendarDay& date, const CalendarDay& today) {
    const auto daily = RowsOf(copies.Usable(SolarFile::DailyFlux), &ParseDailyFlux);
    if (DaysBetween(today, date) <= 0) {
        if (auto figure = PickDailyFigure(daily, date, today))
            return std::pair{*figure, SolarFile::DailyFlux};
        return std::nullopt;
    }
    const SolarFileCopy* outlook = copies.Usable(SolarFile::DailyOutlook);
    if (auto figure = PickOutlookFigure(RowsOf(outlook, &ParseDailyOutlook), date))
        return std::pair{*figure, SolarFile::DailyOutlook};
    // Without an outlook the latest daily value is nearer than the monthly prediction;
    // an outlook that ends before the day leaves the day to the months.
    if (!outlook)
        if (auto figure = PickLatestDailyFigure(daily, today))
            return std::pair{*figure, SolarFile::DailyFlux};
    return std::nullopt;
}

std::optional<std::pair<SolarFigure, SolarFile>> MonthFigure(const CopySet& copies,
                                                             const CalendarDay& date) {
    const auto observed = RowsOf(copies.Usable(SolarFile::ObservedMonths), &ParseObservedMonths);
    if (auto figure = PickObservedFigure(observed, date))
        return std::pair{*figure, SolarFile::ObservedMonths};
    const auto predicted = RowsOf(copies.Usable(SolarFile::PredictedMonths), &ParsePredictedMonths);
    if (auto figure = PickPredictedFigure(predicted, date))
        return std::pair{*figure, SolarFile::PredictedMonths};
    return std::nullopt;
}

/// Today's K index into the figure, or a note saying why there is none.
void AddKp(SolarFigure& figure, const CopySet& copies, Clock::time_point now) {
    const SolarFileCopy* kp = copies.Obtained(SolarFile::PlanetaryK);
    if (!kp)
        return;
    if (!kp->Ok()) {
        figure.notes.push_back(kp->error);
        return;
    }
    if (!kp->note.empty())
        figure.notes.push_back(kp->note);
    figure.kp = LatestKp(ParseKpIndex(kp->text).rows, now);
    if (figure.kp)
        figure.kText = KIndexTextOf(figure.kp->kp);
    else
        figure.notes.push_back("no planetary K index of the last 24 hours");
}

} // namespace

std::vector<SolarFileCopy> ObtainSolarFiles(const std::vector<SolarFile>& files,
                                            const SolarRequest& request) {
    std::vector<SolarFileCopy> copies(files.size());
    std::vector<std::optional<SolarFileCopy>> cached(files.size());
    std::vector<std::size_t> toFetch;
    std::vector<std::string> urls;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const SolarFile file = files[i];
        if (request.memory)
            if (const auto it = request.memory->files.find(file);
                it != request.memory->files.end()) {
                copies[i] = it->second;
                continue;
            }
        cached[i] = CachedCopy(file, request);
        const auto age = request.now - (cached[i] ? cached[i]->fetchedAt : Clock::time_point{});
        if (cached[i] && !request.refresh && age < SolarSourceOf(file).maxAge &&
            age > -std::chrono::minutes(10)) {
            copies[i] = *cached[i];
        } else if (request.memory && !request.memory->unreachable.empty()) {
            copies[i] = Fallback(cached[i],
                                 "the " + Title(file) +
                                     " could not be fetched: " + request.memory->unreachable,
                                 true, request.now);
        } else {
            toFetch.push_back(i);
            urls.push_back(request.baseUrl + std::string(SolarSourceOf(file).remotePath));
            continue;
        }
        if (request.memory)
            request.memory->files[file] = copies[i];
    }
    if (urls.empty())
        return copies;
    const std::vector<HttpFetchResult> fetched =
        FetchHttpAll(urls, kMaxSolarFileBytes, request.timeLimitMs, request.cancel);
    for (std::size_t k = 0; k < toFetch.size(); ++k) {
        const std::size_t i = toFetch[k];
        copies[i] = Fetched(files[i], fetched[k], cached[i], request);
        if (!request.memory || copies[i].cancelled)
            continue;
        request.memory->files[files[i]] = copies[i];
        if (fetched[k].unreachable && request.memory->unreachable.empty())
            request.memory->unreachable = fetched[k].error;
    }
    return copies;
}

SolarLookup LookUpSolarFigure(const SolarRequest& request) {
    SolarLookup result;
    const CalendarDay today = UtcDayOf(request.now);
    const FilePlan plan = PlanFor(request.date, today);
    CopySet copies(request);
    copies.Obtain(plan.preferred);
    auto found = DayFigure(copies, request.date, today);
    if (!found && !copies.Cancelled())
        found = MonthFigure(copies, request.date);
    if (!found && !copies.Cancelled() && !plan.monthly.empty()) {
        copies.Obtain(plan.monthly);
        found = MonthFigure(copies, request.date);
    }
    result.offline = !copies.Unreachable().empty();
    if (copies.Cancelled()) {
        result.cancelled = true;
        return result;
    }
    if (found) {
        auto& [figure, from] = *found;
        const SolarFileCopy& copy = *copies.Usable(from);
        figure.fetchedAt = copy.fetchedAt;
        // The preferred files that failed, when a later rule gave the figure.
        for (const SolarFile file : plan.preferred)
            if (file != from && file != SolarFile::PlanetaryK)
                if (const SolarFileCopy* failed = copies.Obtained(file); failed && !failed->Ok())
                    figure.notes.push_back(failed->error);
        if (!copy.note.empty())
            figure.notes.push_back(copy.note);
        if (request.date == today)
            AddKp(figure, copies, request.now);
        result.figure = std::move(figure);
        return result;
    }
    const std::string month = MonthYearText(request.date.year, request.date.month);
    if (result.offline) {
        result.error =
            "The solar data server could not be reached (" + copies.Unreachable() + "); " +
            (copies.AnyUsable() ? "the copies kept in the data folder have no figure for " + month
                                : "no copy of its files is kept in the data folder, so there is no "
                                  "figure for " +
                                      month);
        return result;
    }
    result.error = "No solar data for " + month;
    std::vector<SolarFile> consulted = plan.preferred;
    consulted.insert(consulted.end(), plan.monthly.begin(), plan.monthly.end());
    for (const SolarFile file : consulted)
        if (const SolarFileCopy* failed = copies.Obtained(file); failed && !failed->Ok()) {
            result.error += " (" + failed->error + ")";
            break;
        }
    return result;
}

std::string SolarLookupStatus(const SolarLookup& found, Clock::time_point now) {
    if (found.cancelled)
        return "Solar data not fetched: cancelled";
    return found.figure ? SolarFigureStatus(*found.figure, now) : found.error;
}
