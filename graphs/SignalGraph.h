#pragma once

#include "core/Terminal.h"
#include "core/TimeZone.h"
#include "engine/Propagation.h"
#include "graphs/GraphAxes.h"
#include "report/PredictionTable.h"
#include "settings/Settings.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The signals graph: per frequency, the signal level or the signal-to-noise ratio over
// the displayed day, each point marked with its availability letter, beside a legend
// of the frequencies and the letters.

/// The colour of frequency slot 0..9 (others wrap).
Rgb FrequencyColour(int slot);

/// What the graph shows.
struct SignalGraphData {
    const PathResult* path = nullptr;
    int frequencyCount = 0;
    std::array<float, kMaxFrequencies> frequencyMHz{};
    std::vector<std::string> frequencyTexts; ///< as typed, one per frequency
    double utcOffsetDays = 0.0;              ///< UTC minus displayed time, days
    std::string timeLabel = "UTC";
    PathKind kind = PathKind::Short;
    TableRules rules; ///< signal levels or S/N, the suppression, the noise terms
};

/// The graph of one path of a prediction with the settings' frequencies and rules.
SignalGraphData SignalGraphDataOf(const PredictionResult& result, PathKind kind,
                                  const Settings& settings, const TimeZoneState& zone,
                                  bool showSignalLevels);

/// One frequency's points over displayed half hours 0..48 (48 repeats 0).
struct SignalSeries {
    int slot = 0;
    Rgb colour;
    std::string label; ///< the frequency text + " MHz"
    std::array<bool, kHalfHours + 1> shown{};
    std::array<double, kHalfHours + 1> value{}; ///< dB, where shown
    std::array<char, kHalfHours + 1> letter{};  ///< 'A'..'D', or '0' for zero availability
};

/// All frequencies' points with the range of the shown values.
struct SignalPoints {
    std::vector<SignalSeries> series;
    bool anyShown = false;
    bool anyMode = false;
    double minDb = 0, maxDb = 0; ///< of the shown values, when any
};

/// The points: displayed half hour d shows UTC slot (d + h + 48) mod 48; the value is
/// the signal level or signal − NoiseLevel(f, MUF); a point is shown when the signal is
/// at least the suppression threshold, (zero availabilities are kept or the
/// availability rounds above 0.00) and −995 < value < 995.
SignalPoints BuildSignalPoints(const SignalGraphData& data);

/// The marker of an availability: "A" (class 4 and 5), "B", "C", "D", "0" (class 0).
char MarkerLetter(float reliability);

/// The vertical scale in whole dB: the graph spans 35 grid steps of `step` dB from
/// `bottom` to `top`, labelled every 5 steps.
struct SignalScale {
    int top = 0, bottom = 0, step = 1;
    bool operator==(const SignalScale&) const = default;
};

/// The scale for shown values from `minDb` to `maxDb` (both inside ±995): top the
/// first multiple of 5 above the maximum; bottom lowered by 5 until below the minimum
/// with a span that is a multiple of 35; then both moved up together until top is a
/// multiple of 5·step clear of the maximum, widening by 35 dB whenever the bottom
/// would no longer lie below the minimum; moved up a whole label step when the top is
/// tight and the bottom generous; finally held inside −995..995.
SignalScale ComputeSignalScale(double minDb, double maxDb);

/// The legend's and the graph's areas of a window or page `width` wide between y = `top`
/// and `bottom`: m = 0.03·width and L = 0.14833·width (rounded); the legend spans
/// x = m..L, the graph x = 2m + L .. width − m. BuildSignalGraph widens the legend when
/// its texts need more room.
struct SignalAreas {
    double legendX = 0, legendWidth = 0;
    double graphX = 0, graphWidth = 0;
    double top = 0, height = 0;
};
SignalAreas SignalAreasFor(double width, double top, double bottom);

/// One run of consecutive shown points (drawn as one line) and the markers.
struct SignalMarker {
    Point at;
    char letter = 'A';
};
struct SignalCurve {
    int slot = 0;
    Rgb colour;
    std::vector<std::vector<Point>> runs; ///< pixels
    std::vector<SignalMarker> markers;
};

/// The legend's rows: the frequencies with their colours, then the availability
/// letters with their ranges ("0" "0%" only when zero availabilities are kept).
struct LegendRow {
    std::string letter; ///< availability rows: the marker letter; frequency rows: ""
    std::string text;   ///< "14.1 MHz" or "75-100%"
    Rgb colour;
};

/// The graph in graph units and pixels.
struct SignalGraphModel {
    SignalAreas areas;
    TimeFrame frame; ///< in page pixels
    double graphHeight = 0;
    SignalScale scale;
    double pixelsPerDb = 1;
    std::string title;   ///< "SHORT-PATH SIGNAL LEVELS IN dB ABOVE 0.5 µV", ...
    std::string message; ///< why nothing is drawn (then nothing else is)
    std::string timeLabel;
    SignalPoints points;
    std::vector<SignalCurve> curves;
    std::vector<AxisLabel> dbLabels;   ///< 8 labels, y of the value
    std::vector<AxisLabel> hourLabels; ///< x
    std::vector<LegendRow> frequencyRows, availabilityRows;
    double legendPitch = 0; ///< pixels from one legend row to the next
    FontStyle markerFont;
    bool Drawn() const { return message.empty(); }
};

/// The model inside `areas`, with the graph font `font` and the backend's metrics.
SignalGraphModel BuildSignalGraph(const SignalGraphData& data, const SignalAreas& areas,
                                  const FontStyle& font, const TextMeasure& measure);

/// Draws the model (or its message, centred in red).
void DrawSignalGraph(Drawing& drawing, const SignalGraphModel& model, const GraphStyle& style,
                     const TextMeasure& measure);

/// The frequency slot of the curve nearest to (x, y), if a curve or marker passes
/// within `tolerance` pixels; none when two different curves are about as near
/// (within half a pixel of each other), as where they cross or lie on each other.
std::optional<int> IdentifyCurve(const SignalGraphModel& model, double x, double y,
                                 double tolerance = 3.0);

/// The window's graph view `width` × `height`: both areas over the full height.
Drawing SignalScreenDrawing(const SignalGraphModel& model, double width, double height,
                            const GraphStyle& style, const TextMeasure& measure);

/// A printed page (`paper`) or a picture: the caption and header lines in the
/// fixed-pitch bold font, then the legend and the graph scaled to the width; on paper
/// the graph is half the page width high.
Drawing SignalPageDrawing(const SignalGraphData& data, const PageHeader& header, double width,
                          double height, bool paper, const TextMeasure& measure);

/// "Hopscope Short-Path Prediction (Signals Graph) for " + date (or Long-Path).
std::string SignalsCaption(PathKind kind, const std::string& dateText);
