#include "validation/ErrorFigures.h"

#include <algorithm>
#include <cmath>
#include <limits>

ErrorSummary SummarizeErrors(std::vector<double> errorsDb) {
    ErrorSummary s;
    if (errorsDb.empty())
        return s;
    const double n = static_cast<double>(errorsDb.size());
    s.count = static_cast<int>(errorsDb.size());
    double sum = 0.0, sumSquares = 0.0;
    int within = 0;
    for (double e : errorsDb) {
        sum += e;
        sumSquares += e * e;
        within += std::fabs(e) <= 10.0;
    }
    s.meanDb = sum / n;
    s.rmsDb = std::sqrt(sumSquares / n);
    double deviations = 0.0;
    for (double e : errorsDb)
        deviations += (e - s.meanDb) * (e - s.meanDb);
    s.sdDb = std::sqrt(deviations / n);
    s.within10Percent = 100.0 * within / n;
    std::sort(errorsDb.begin(), errorsDb.end());
    const std::size_t mid = errorsDb.size() / 2;
    s.medianDb =
        errorsDb.size() % 2 == 1 ? errorsDb[mid] : (errorsDb[mid - 1] + errorsDb[mid]) / 2.0;
    return s;
}

const std::vector<Grouping>& Groupings() {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    static const std::vector<Grouping> groupings = {
        {"distance",
         [](const ComparedHour& h) { return h.distanceKm; },
         {{"< 2,000 km", -kInf, 2000.0},
          {"2,000–7,000 km", 2000.0, 7000.0},
          {"7,000–9,000 km", 7000.0, 9000.0},
          {"≥ 9,000 km", 9000.0, kInf}}},
        {"frequency",
         [](const ComparedHour& h) { return h.freqMHz; },
         {{"2.5–5 MHz", -kInf, 5.0},
          {"5–10 MHz", 5.0, 10.0},
          {"10–15 MHz", 10.0, 15.0},
          {"15–30 MHz", 15.0, kInf}}},
        {"sunspot",
         [](const ComparedHour& h) { return h.ssn; },
         {{"SSN < 50", -kInf, 50.0}, {"SSN ≥ 50", 50.0, kInf}}},
        {"midpoint",
         [](const ComparedHour& h) { return h.daylight ? 1.0 : 0.0; },
         {{"night at midpoint", 0.0, 0.5}, {"day at midpoint", 0.5, 2.0}}},
        {"muf",
         [](const ComparedHour& h) { return h.aboveMuf ? 1.0 : 0.0; },
         {{"below own MUF", 0.0, 0.5}, {"at or above own MUF", 0.5, 2.0}}},
    };
    return groupings;
}

EngineFigures FiguresOf(const std::string& engine, const std::vector<MeasuredHour>& measured,
                        const std::vector<PredictedHour>& predicted,
                        const std::vector<bool>& daylight, const std::vector<std::size_t>& common) {
    EngineFigures figures;
    figures.engine = engine;
    std::vector<double> errors;
    for (std::size_t i : common) {
        const MeasuredHour& m = measured[i];
        const PredictedHour& p = predicted[i];
        ComparedHour h;
        h.errorDb = *p.fieldDbu - m.fieldDbu;
        h.distanceKm = m.distanceKm;
        h.freqMHz = m.freqMHz;
        h.ssn = m.ssn;
        h.daylight = daylight[i];
        h.aboveMuf = m.freqMHz >= p.mufMHz;
        figures.hours.push_back(h);
        figures.predictedDbu.push_back(*p.fieldDbu);
        figures.measuredDbu.push_back(m.fieldDbu);
        errors.push_back(h.errorDb);
    }
    figures.overall = SummarizeErrors(errors);
    for (const Grouping& grouping : Groupings()) {
        for (const GroupBin& bin : grouping.bins) {
            std::vector<double> inBin;
            for (const ComparedHour& h : figures.hours) {
                const double v = grouping.value(h);
                if (v >= bin.low && v < bin.high)
                    inBin.push_back(h.errorDb);
            }
            figures.groups.push_back({grouping.name, bin.label, SummarizeErrors(inBin)});
        }
    }
    return figures;
}

std::vector<std::size_t> CommonHours(const std::vector<std::vector<PredictedHour>>& predictions) {
    std::vector<std::size_t> common;
    const std::size_t count = predictions.empty() ? 0 : predictions.front().size();
    for (std::size_t i = 0; i < count; ++i) {
        const bool all = std::all_of(predictions.begin(), predictions.end(),
                                     [i](const auto& p) { return p[i].fieldDbu.has_value(); });
        if (all)
            common.push_back(i);
    }
    return common;
}
