#pragma once

#include "cli/P533Predict.h"

#include <string>

// The outputs of "predict --engine p533". Units: MUFs in MHz, elevation in degrees,
// field strength in dB(1 µV/m), power and noise in dBW, S/N in dB (in the bandwidth),
// reliability in % (0..100); hours UTC 1..24 (hour h is h:00 UTC).

/// {"engine":"p533","path":"short"|"long","hours":[{"utc","muf","opmuf","opmuf10",
/// "opmuf90","freqs":[{"freq","mode","elevation","field","power","noise","snr","snrxx",
/// "bcr"}]}]}; a frequency without a mode has "mode": "" and null for the values that
/// need one (noise stays). Values to 0.01. Ends with a line feed.
std::string P533Json(const P533Run& run, const p533::CircuitResult& result);

/// CSV (CR LF line ends): a header row, then per hour and frequency path, utc, muf_mhz,
/// opmuf_mhz, opmuf10_mhz, opmuf90_mhz, freq_mhz, mode, elevation_deg, field_dbu,
/// power_dbw, noise_dbw, snr_db, snrxx_db, bcr_pct (empty without a mode).
std::string P533Csv(const P533Run& run, const p533::CircuitResult& result);

/// A table for reading: the circuit, then per hour the MUF, the operational MUF and per
/// frequency the median S/N and the reliability.
std::string P533Text(const P533Run& run, const p533::CircuitResult& result);
