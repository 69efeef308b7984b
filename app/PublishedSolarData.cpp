#include "app/PublishedSolarData.h"

#include "solar/SolarLookup.h"
#include "solar/SolarPreferences.h"

#include <chrono>

SolarDataSource PublishedSolarData(const std::filesystem::path& dataDir) {
    SolarDataSource source;
    source.fillOnOpen = [dataDir] { return ReadSolarPreferences(dataDir).fillOnOpen; };
    source.fetch = [dataDir](DateValue date, const std::atomic<bool>& cancel) {
        SolarRequest request;
        request.dataDir = dataDir;
        request.date = CalendarFromDate(date);
        request.baseUrl = SolarBaseUrl(ReadSolarPreferences(dataDir));
        request.cancel = &cancel;
        const SolarLookup found = LookUpSolarFigure(request);
        SolarDataFetch fetched;
        fetched.cancelled = found.cancelled;
        fetched.error = found.error;
        if (found.cancelled || !found.figure)
            return fetched;
        const SolarFigure& figure = *found.figure;
        fetched.filled = true;
        fetched.solarText = figure.solarText;
        fetched.kText = figure.kText;
        fetched.summary = SolarFigureStatus(figure, std::chrono::system_clock::now());
        fetched.record = SolarFigureRecord(figure);
        return fetched;
    };
    return source;
}
