#pragma once

#include "core/Dates.h"
#include "solar/SolarFigure.h"
#include "solar/SolarSources.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

/// One request for the figures of a date.
struct SolarRequest {
    std::filesystem::path dataDir; ///< where the copies of the files are kept
    CalendarDay date;              ///< the prediction's day
    std::chrono::system_clock::time_point now = std::chrono::system_clock::now();
    std::string baseUrl = std::string(kDefaultSolarBaseUrl); ///< no trailing "/"
    bool refresh = false;                      ///< fetch every file needed, however recent its copy
    const std::atomic<bool>* cancel = nullptr; ///< set from another thread to stop
};

/// The figures, or the message saying why there are none.
struct SolarLookup {
    std::optional<SolarFigure> figure;
    std::string error; ///< e.g. "No solar data for March 2041"; empty with a figure
    bool cancelled = false;
};

/// A copy of one file: its text and when it was fetched, or why there is none.
struct SolarFileCopy {
    std::string text;
    std::chrono::system_clock::time_point fetchedAt{};
    std::string note;  ///< a fetch that failed while an older copy could still be used
    std::string error; ///< no usable copy at all
    bool cancelled = false;
    bool Ok() const { return error.empty(); }
};

/// The copy of `file` in `request.dataDir`, fetched again first when it is missing,
/// damaged, older than the file's maximum age (or dated in the future), or when
/// `request.refresh` is set. A fetched text replaces the copy (temporary file and
/// rename; its modification time becomes `request.now`) only when it reads as that
/// file; after any failure the previous copy stays as it was and is used, with a note.
SolarFileCopy ObtainSolarFile(SolarFile file, const SolarRequest& request);

/// The figures for `request.date`, fetching only the files the choice needs: the
/// daily flux when the date is covered by it (with today's latest Kp), else the
/// month's smoothed (or mean) sunspot number from the observed months, else the
/// month's predicted sunspot number; else "No solar data for <Month Year>", followed
/// by the first fetch problem when one prevented a figure.
SolarLookup LookUpSolarFigure(const SolarRequest& request);
