#pragma once

#include <array>
#include <chrono>
#include <string_view>

/// The published files the solar figures come from.
enum class SolarFile { DailyFlux, PlanetaryK, ObservedMonths, PredictedMonths, DailyOutlook };

/// Where a file lies on the server, the name of its copy in the data folder, how long
/// that copy is used before the file is fetched again, and its name in messages.
struct SolarSource {
    SolarFile file;
    std::string_view remotePath; ///< appended to the base address
    std::string_view cacheName;  ///< in the data folder
    std::chrono::seconds maxAge;
    std::string_view title;
};

inline constexpr std::array<SolarSource, 5> kSolarFiles{{
    {SolarFile::DailyFlux, "/json/f107_cm_flux.json", "Solar-daily-flux.json",
     std::chrono::hours(3), "daily solar flux"},
    {SolarFile::PlanetaryK, "/products/noaa-planetary-k-index.json", "Solar-planetary-k.json",
     std::chrono::hours(3), "planetary K index"},
    {SolarFile::ObservedMonths, "/json/solar-cycle/observed-solar-cycle-indices.json",
     "Solar-observed-months.json", std::chrono::hours(72), "monthly solar figures"},
    {SolarFile::PredictedMonths, "/json/solar-cycle/predicted-solar-cycle.json",
     "Solar-predicted-months.json", std::chrono::hours(72), "predicted monthly solar figures"},
    {SolarFile::DailyOutlook, "/text/27-day-outlook.txt", "Solar-27-day-outlook.txt",
     std::chrono::hours(12), "27-day outlook"},
}};

/// The entry of kSolarFiles for `file`.
constexpr const SolarSource& SolarSourceOf(SolarFile file) {
    return kSolarFiles[static_cast<std::size_t>(file)];
}

/// The server of the files unless the settings or HOPSCOPE_SOLAR_URL name another.
inline constexpr std::string_view kDefaultSolarBaseUrl = "https://services.swpc.noaa.gov";

/// The largest file accepted, fetched or kept (the monthly file since 1749 is about
/// half a megabyte).
inline constexpr long kMaxSolarFileBytes = 8L * 1024 * 1024;

/// The time one look-up may spend fetching, all its files together.
inline constexpr long kSolarFetchTimeLimitSeconds = 15;
