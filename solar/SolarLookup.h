#pragma once

#include "core/Dates.h"
#include "solar/SolarFigure.h"
#include "solar/SolarSources.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

/// A copy of one file: its text and when it was fetched, or why there is none.
struct SolarFileCopy {
    std::string text;
    std::chrono::system_clock::time_point fetchedAt{};
    std::string note;  ///< a fetch that failed while an older copy could still be used
    std::string error; ///< no usable copy at all
    bool cancelled = false;
    bool unreachable = false; ///< the fetch found no network or no server
    bool Ok() const { return error.empty(); }
};

/// What one run of a program has fetched, so that a run that looks up many dates (a
/// batch table) fetches each file at most once and, once the server could not be
/// reached, does not try it again: the copies of the rest of the run are used.
struct SolarRunMemory {
    std::map<SolarFile, SolarFileCopy> files; ///< each file as obtained this run
    std::string unreachable; ///< why the server could not be reached; empty while it could
};

/// One request for the figures of a date.
struct SolarRequest {
    std::filesystem::path dataDir; ///< where the copies of the files are kept
    CalendarDay date;              ///< the prediction's day
    std::chrono::system_clock::time_point now = std::chrono::system_clock::now();
    std::string baseUrl = std::string(kDefaultSolarBaseUrl); ///< no trailing "/"
    bool refresh = false;                      ///< fetch every file needed, however recent its copy
    const std::atomic<bool>* cancel = nullptr; ///< set from another thread to stop
    SolarRunMemory* memory = nullptr;          ///< kept across the look-ups of one run; may be null
    long timeLimitMs = kSolarFetchTimeLimitSeconds * 1000; ///< all fetches of the look-up together
};

/// The figures, or the message saying why there are none.
struct SolarLookup {
    std::optional<SolarFigure> figure;
    std::string error; ///< e.g. "No solar data for March 2041"; empty with a figure
    bool cancelled = false;
    bool offline = false; ///< the server could not be reached (the copies were used, if any)
};

/// The copies of `files` in `request.dataDir`, those that are missing, damaged, not
/// regular files, older than their file's maximum age (or dated in the future), or all
/// when `request.refresh` is set, fetched again first, all at once within
/// `request.timeLimitMs`. A fetched text replaces a copy (WriteSolarCopy; its
/// modification time becomes `request.now`) only when it reads as that file; after any
/// failure the previous copy stays as it was and is used, with a note. With a run
/// memory, a file already obtained in the run is taken from it, and nothing is fetched
/// once the server could not be reached. One copy per file, in their order.
std::vector<SolarFileCopy> ObtainSolarFiles(const std::vector<SolarFile>& files,
                                            const SolarRequest& request);

/// The figures for `request.date`, from the copies of the files the date needs (fetched
/// together when stale, within one time limit), by the first rule that gives one:
/// - on or before today, within the daily file: the day's official daily flux (with
///   today's latest Kp for today);
/// - a later day within the 27-day outlook: the outlook's flux for the day, or, when no
///   copy of the outlook can be had, the latest daily flux;
/// - the month's published flux (smoothed, else mean) or sunspot number (× 0.6) from
///   the observed months, then from the predicted months;
/// - else "No solar data for <Month Year>", followed by the first fetch problem when one
///   prevented a figure; or, when the server could not be reached, a message that says
///   so and whether copies were there.
/// A preferred file that failed while a later rule gave the figure is named with its
/// reason in the figure's notes.
SolarLookup LookUpSolarFigure(const SolarRequest& request);

/// The one line a window shows for a look-up in place of a message box: the figure's
/// summary with its notes in brackets, or the error, or "Solar data not fetched:
/// cancelled".
std::string SolarLookupStatus(const SolarLookup& found, std::chrono::system_clock::time_point now);
