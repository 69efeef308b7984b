#pragma once

#include "engine/Propagation.h"
#include "p533/CircuitPrediction.h"
#include "settings/StationSettings.h"
#include "station/P533Offer.h"
#include "station/StationCircuit.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

// The circuit chart: for one path of one circuit, the P.533 circuit reliability of each
// hour of the day at each frequency (the user's list or the amateur bands), with the
// operational MUF of each hour and, when asked, the classic engine's MUF beside it.

/// The texts a chart names its circuit with.
struct CircuitChartLabels {
    std::string fromName, toName; ///< terminal A and B as the user knows them
    std::string dateText;         ///< the month the chart is for ("December 2026")
    std::string solarText;        ///< the solar index as entered ("S80.0", "F150.0")
    std::string stationText;      ///< "100 W, TX 0.0 dBi, RX 0.0 dBi, residential noise"
    std::string modeText;         ///< "SSB: 2700 Hz, S/N 10 dB"
};

/// What a chart is computed from.
struct CircuitChartInput {
    /// The places, month, R12, station and mode; the chart sets the path, the hours
    /// and the frequencies itself.
    p533::CircuitRequest circuit;
    std::vector<double> userFrequenciesMHz; ///< the user's list, 3..30 MHz each
    bool amateurBands = false;              ///< the bands of AmateurBands() instead
    CircuitChartLabels labels;
};

/// One amateur band as the chart shows it: its name and the frequency predicted for it.
struct AmateurBand {
    const char* name; ///< "80 m"
    double freqMHz;   ///< within the band, near its middle
};

/// The HF amateur bands from 80 m (3.5 MHz) to 10 m (28 MHz), lowest first.
const std::vector<AmateurBand>& AmateurBands();

/// One hour at one frequency.
struct ChartCell {
    double reliabilityPercent = 0.0; ///< basic circuit reliability, 0..100
    double snrDb = p533::kNoValue;   ///< median S/N in the mode's bandwidth
    double snrAtReliabilityDb = p533::kNoValue;
    double fieldDbu = p533::kNoValue; ///< dB(1 µV/m)
    double powerDbw = p533::kNoValue; ///< median received power
    std::string modeName;             ///< "2F2"; empty when no mode propagates
};

/// The hours of the chart: column c is c:00 UTC (0:00 computed as the day's hour 24).
inline constexpr int kChartHours = 24;

/// A computed chart, or why there is none.
struct CircuitChart {
    std::string error; ///< when not empty, nothing else is filled
    bool longPath = false;
    double distanceKm = 0.0;
    std::vector<double> freqsMHz;       ///< the rows, lowest first
    std::vector<std::string> rowLabels; ///< "14.100" or "20 m"
    /// cells[c][i]: hour c UTC at frequency i.
    std::array<std::vector<ChartCell>, kChartHours> cells;
    std::array<double, kChartHours> opMufMHz{}; ///< median operational MUF; 0: no mode
    bool hasClassicMuf = false;
    std::array<double, kHalfHours> classicMufMHz{}; ///< the classic engine's MUF per half hour
    double requiredReliabilityPercent = 0.0;
    double requiredSnrDb = 0.0;
    double bandwidthHz = 0.0;
    std::vector<std::string> titleLines; ///< engine and circuit; station and mode; month and sun
};

/// The station and mode of the settings into the chart's circuit (MakeStationCircuit:
/// power, antennas with their pattern files read from `dataDir`, man-made noise,
/// bandwidth, required S/N and reliability) and its labels ("100 W, TX 0.0 dBi, RX
/// 0.0 dBi, residential noise"; "SSB: 2700 Hz, S/N 10.0 dB"). A pattern file that does
/// not read gives its message (naming the file) and leaves that antenna isotropic.
/// Call before FillCircuitFromPrediction, which fills the places.
std::string ApplyStationSettings(const StationSettings& station,
                                 const std::filesystem::path& dataDir, CircuitChartInput& input);

/// The circuit of a prepared classic request: terminal A transmits to terminal B, the
/// request's month and minimum elevation (0..30°), and its sunspot number as the R12 (the P.533
/// maps take 0..311: a larger number gives the refusal's text in `error`). The labels name the
/// terminals (their names, else their prefixes), the month ("December 2026") and `solarText`. The
/// station and mode stay as in `circuit`.
std::string FillCircuitFromPrediction(const PredictionRequest& request,
                                      const std::string& solarText, CircuitChartInput& input);

/// Computes the chart of the short or the long path: the P.533 prediction at 1..24 h
/// UTC for each row frequency (sorted, duplicates dropped). A refused request, or an
/// empty frequency list, gives the chart's `error`.
CircuitChart ComputeCircuitChart(const p533::PredictionData& data, const CircuitChartInput& input,
                                 bool longPath);

/// The classic engine's path MUF (MHz) of the prepared request's short or long path at
/// each half hour UTC.
std::array<double, kHalfHours> ClassicPathMuf(const PredictionRequest& request, PathKind kind);

/// The line the window shows for the cell of hour `column` at row `row` (both in range):
/// the hour and frequency, circuit reliability, S/N against the required S/N, field
/// strength, received power, mode and the hour's operational MUF.
std::string ChartCellReadout(const CircuitChart& chart, int column, int row);

/// The chart as CSV: "# " lines with the title lines, then a header row and one row for
/// each hour and frequency (utc, freq_mhz, band, reliability_pct, snr_db,
/// snr_at_reliability_db, field_dbu, power_dbw, mode, opmuf_mhz and, when the chart has
/// it, classic_muf_mhz), LF line ends; a level that does not exist is an empty field.
std::string CircuitChartCsv(const CircuitChart& chart);
