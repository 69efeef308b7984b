#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// Measured sky-wave field strengths: one monthly median hour of one circuit, as the
// ITU-R data bank D1 lists them (tests/validation/data/README.md describes the table).

/// One measured hour of one circuit.
struct MeasuredHour {
    int circuit = 0; ///< the data bank's circuit number
    std::string txName;
    std::string rxName;
    double txLatDeg = 0.0; ///< north positive
    double txLonEastDeg = 0.0;
    double rxLatDeg = 0.0;
    double rxLonEastDeg = 0.0; ///< EAST positive, as the table has it
    double freqMHz = 0.0;
    double distanceKm = 0.0; ///< as listed (the long-path distance on a long path)
    bool longPath = false;
    int year = 0;
    int month = 1;         ///< 1..12
    double ssn = 0.0;      ///< 12-month smoothed sunspot number, original scale
    int hourUtc = 1;       ///< 1..24: hour h is h:00 UTC (24 is midnight at the end of the day)
    double fieldDbu = 0.0; ///< monthly median, dB(1 µV/m) for 1 kW e.i.r.p.
};

/// The hours read, or the reason the table could not be read (naming the file and
/// the line).
struct MeasuredRead {
    std::vector<MeasuredHour> hours;
    std::string error;
};

/// Reads the table: a header line naming exactly the fifteen columns id, tx_name,
/// rx_name, tx_lat, tx_lon_east, rx_lat, rx_lon_east, freq_mhz, dist_km, long_path,
/// year, month, ssn, hour_utc, measured_dbuv_m, then one hour a line (LF or CR LF; a
/// blank last line is allowed). Numbers are plain decimals; a value out of range
/// (latitude beyond ±90°, longitude beyond ±360°, frequency outside 1–30 MHz, month
/// outside 1–12, hour outside 1–24, sunspot number outside 0–400, long_path not 0 or
/// 1) refuses the whole table with a message naming `fileName`, the line and column.
MeasuredRead ParseMeasuredHours(std::string_view text, std::string_view fileName);

/// ParseMeasuredHours of a file (the message names the file when it cannot be read).
MeasuredRead ReadMeasuredHoursFile(const std::filesystem::path& path);
