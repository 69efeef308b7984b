#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The second prediction engine as the rest of the program sees it: one HF circuit by
// Recommendation ITU-R P.533-14 (with the parts of P.1239, P.1240, P.372 and P.842 it
// calls up) for chosen hours of a month. The coefficient files are read once into an
// immutable PredictionData that any number of threads share; a prediction reads only
// its request and that data, so every function here may run on any thread.
//
// Places follow the Recommendation: latitude north positive, longitude EAST positive,
// degrees. Power levels are in dBW, field strengths in dB(1 µV/m), noise factors in dB
// above kT0b (b = 1 Hz). kNoValue marks a level that does not exist (no mode).

namespace p533 {

/// The level of a field strength or power that does not exist (−307 dB).
inline constexpr double kNoValue = -307.0;

/// A place on the Earth: latitude −90..90 (north positive), longitude −180..360
/// (EAST positive), degrees.
struct Place {
    double latDeg = 0.0;
    double lonEastDeg = 0.0;
};

/// An antenna's gain table: gainDbi[az·91 + el] for azimuths 0..359° relative to the
/// main beam and elevations 0..90°, 1° steps.
struct GainTable {
    double freqMHz = 0.0;
    std::vector<float> gainDbi;
};

/// A gain pattern: one table per frequency (the one nearest the operating frequency
/// is used). Read from files in the common "Type 13" layout.
struct AntennaPattern {
    std::string title;
    std::vector<GainTable> tables;
};

/// A pattern read, or the reason it could not be (the message names the file).
struct PatternRead {
    std::shared_ptr<const AntennaPattern> pattern;
    std::string error;
};

/// Reads a Type 13 pattern: a title line, a line with the count of parameter lines,
/// those lines (the fourth gives the frequency in MHz; the maximum gain is not added),
/// then for each azimuth 0..359 the azimuth and 91 gains (dB) for elevations 0..90°.
/// Numbers may touch ("-99.999-10.080" is two). A damaged, truncated or hostile text
/// gives an error naming `fileName` and the line; nothing larger than one table is
/// ever allocated.
PatternRead ParseAntennaPattern(std::string_view text, std::string_view fileName);

/// ParseAntennaPattern of a file (at most 4 MB are read).
PatternRead ReadAntennaPatternFile(const std::filesystem::path& path);

/// One terminal's antenna: a constant gain (isotropic, gainDbi) unless a pattern is
/// given; the pattern's azimuth 0 points along mainBeamDeg (clockwise from north), or
/// along the path toward the other terminal when that is not given.
struct Antenna {
    double gainDbi = 0.0;
    std::shared_ptr<const AntennaPattern> pattern;
    std::optional<double> mainBeamDeg;
};

/// The man-made noise environments of P.372 (Quiet and Noisy are two further curves).
enum class NoiseCategory { City, Residential, Rural, QuietRural, Quiet, Noisy };

/// The man-made noise at the receiver: a category, or a level that replaces it.
struct ManMadeNoise {
    NoiseCategory category = NoiseCategory::Residential;
    /// The noise power in 1 Hz, dBW (−200..−100, e.g. −150): a man-made noise factor
    /// of 204 + level dB at every frequency.
    std::optional<double> levelDbw;
};

/// The points where the Recommendation and the reference program that produced its
/// worked examples differ. Each is false by default (the Recommendation's reading);
/// ReferenceCompatible() sets them all, which reproduces the worked examples.
struct Options {
    /// The Sun (zenith angles, sunrise and sunset, so foE, absorption and day or night),
    /// the atmospheric-noise local time and the auroral-loss local time at the hour
    /// index h − 1 with the longitude's whole hours, instead of the hour h and the true
    /// local time; the long model's noon fB at hour index trunc(12 − λ/15) − 1.
    bool hourIndexTimes = false;
    /// The foF2 decile factors looked up at the UTC hour index instead of local time at
    /// mid-path.
    bool decilesAtUtc = false;
    /// The +90.47·xr term left out of the mirror-height polynomial G (E-layer screening).
    bool mirrorHeightWithoutXrTerm = false;
    /// The polar-winter test of the night foE as the reference has it: north of 72.56°
    /// in November to January, or south of +72.56° (almost everywhere) in May to July.
    bool polarWinterAsReference = false;
    /// The operational-MUF factor always from the ≤ 30 dBW row.
    bool operationalMufLowPowerRow = false;
    /// Day at mid-path only when sunrise < t < sunset in UTC hours, with no wrap.
    bool dayWithoutWrap = false;
    /// Beyond 7,000 km the elevation reported is the angle 0..8° of the largest receive
    /// gain rather than the long model's ΔM.
    bool elevationOfBestGain = false;
    /// foF2 and M(3000)F2 from the reference's 1.5° grids with their mirrored weights in
    /// the southern and western hemispheres, instead of the maps evaluated at the point.
    bool mirroredMapGrid = false;
    /// The F2 reflection height beyond dmax from T+d0/2, M, R−d0/2 and R−1000 only.
    bool fourPointReflectionSet = false;
    /// The high-latitude rows of the S/N deciles for a signed geomagnetic latitude
    /// ≥ +60° only, beyond 9,000 km tested at two penetration points.
    bool signedGeomagneticTest = false;
    /// A pattern rotated by the whole degrees of its main-beam bearing.
    bool truncatedAntennaRotation = false;

    /// All of the above: the reference program's conventions.
    static Options ReferenceCompatible();
};

/// One circuit to predict.
struct CircuitRequest {
    Place transmitter;
    Place receiver;
    bool longPath = false;
    int month = 1; ///< 1..12
    /// The instants, hours UTC 0 < h ≤ 24 (h:00 UTC; hour 24 is midnight at the end of
    /// the day). Any instant between whole hours, such as 13.5 for 13:30, is computed
    /// at that instant: the maps' time angle 15°·h − 180° (the reference's hourly 1.5°
    /// grids are interpolated linearly between the hours), the Sun, the local times of
    /// the noise, auroral-loss and decile tables (read between their columns) at h; the
    /// long model's hourly fL is interpolated between the hours.
    std::vector<double> hoursUtc;
    /// The 12-month smoothed sunspot number, 0..311, on the original (version-1)
    /// scale the maps were made with (about 0.6 of today's version-2 figures).
    double r12 = 0.0;
    std::vector<double> frequenciesMHz; ///< 1..30 MHz each
    double transmitPowerDbkW = 0.0;     ///< dB(1 kW): 100 W is −10
    Antenna transmitAntenna;
    Antenna receiveAntenna;
    ManMadeNoise manMadeNoise;
    double bandwidthHz = 1000.0;             ///< > 0
    double requiredSnrDb = 10.0;             ///< in the bandwidth
    double requiredReliabilityPercent = 90.; ///< 1..99 (% of days)
    double minElevationDeg = 3.0;            ///< 0..30
    Options options;
};

/// One propagation mode (E or F2 layer, n hops) at one frequency.
struct ModeResult {
    char layer = 'F'; ///< 'E' or 'F' (F2)
    int hops = 0;
    double elevationDeg = 0.0;
    double reflectionHeightKm = 0.0; ///< mirror height of the ray
    double slantRangeKm = 0.0;
    double basicMufMHz = 0.0; ///< also the median (50 %) MUF
    double muf10MHz = 0.0;    ///< exceeded on 10 % of days
    double muf90MHz = 0.0;    ///< exceeded on 90 % of days
    double opMufMHz = 0.0;
    double opMuf10MHz = 0.0;
    double opMuf90MHz = 0.0;
    double lowerDecile = 0.0; ///< MUF decile factors δl, δu
    double upperDecile = 0.0;
    double probability = 0.0;       ///< that the mode is supported at the frequency, 0..1
    double screeningMHz = 0.0;      ///< E-layer screening frequency (0: none applies)
    double screeningHeightKm = 0.0; ///< the mirror height it was found with
    bool screened = false;          ///< screened by the E layer
    bool propagates = false;        ///< counted in the field strength
    double lossDb = -kNoValue;      ///< basic transmission loss Lb
    double absorptionDb = 0.0;      ///< Li
    double fieldDbu = kNoValue;     ///< Ew
    double powerDbw = kNoValue;     ///< Prw (paths up to 7,000 km)
    double receiveGainDbi = kNoValue;
};

/// The noise at the receiver, dB above kT0b.
struct NoiseSource {
    double medianDb = 0.0;
    double upperDecileDb = 0.0; ///< deviation of the upper decile
    double lowerDecileDb = 0.0;
};

struct NoiseResult {
    NoiseSource atmospheric;
    NoiseSource manMade;
    NoiseSource galactic;
    NoiseSource total;     ///< the log-normal sum, reported
    double powerDbw = 0.0; ///< the median noise power in the bandwidth (plain sum)
};

/// The quantities of the long model (paths of 7,000 km and more).
struct LongModelResult {
    double upperReferenceMHz = 0.0; ///< fM
    double lowerReferenceMHz = 0.0; ///< fL
    double gyroMHz = 0.0;           ///< mean fH at the two control points
    double correctionTx = 0.0;      ///< K at T+dM/2 and R−dM/2
    double correctionRx = 0.0;
    double freeSpaceDbu = 0.0; ///< E0
    double focusingDb = 0.0;   ///< Gap
    double scale = 0.0;        ///< the bracket of the field formula
    double txGainDbi = 0.0;    ///< Gtl: largest transmit gain at 0..8°
    double rxGainDbi = 0.0;    ///< largest receive gain at 0..8°
    int hops = 0;              ///< nM
    double elevationDeg = 0.0; ///< ΔM
};

/// One frequency at one instant.
struct FrequencyResult {
    double freqMHz = 0.0;
    std::vector<ModeResult> modes; ///< E modes then F2 modes, by hop count
    /// The dominant mode as "2F2" or "1E" (largest power up to 7,000 km, largest field
    /// up to 9,000 km, the long model's hops beyond); empty when there is none.
    std::string modeName;
    int dominantMode = -1;           ///< index into modes; −1 for none or the long model
    double elevationDeg = 0.0;       ///< of the path (its dominant mode)
    double fieldShortDbu = kNoValue; ///< Es (paths up to 9,000 km)
    double fieldLongDbu = kNoValue;  ///< El (paths from 7,000 km)
    double fieldDbu = kNoValue;      ///< the path's field strength E
    double powerDbw = kNoValue;      ///< median received power Pr
    double receiveGainDbi = 0.0;
    std::optional<LongModelResult> longModel;
    NoiseResult noise;
    double snrDb = kNoValue;
    double snrUpperDeviationDb = 0.0;     ///< Du,SN
    double snrLowerDeviationDb = 0.0;     ///< Dl,SN
    double snrAtReliabilityDb = kNoValue; ///< exceeded on the required % of days
    double reliabilityPercent = 0.0;      ///< basic circuit reliability, 0..100
};

/// The ionosphere at one control point at one instant.
struct ControlPointResult {
    std::string name; ///< "T+1000", "T+d0/2", "M", "R-d0/2", "R-1000", "T+dM/2", "R-dM/2"
    Place place;
    double distanceKm = 0.0; ///< from the transmitter along the path
    double dip100Deg = 0.0;
    double gyro100MHz = 0.0;
    double dip300Deg = 0.0;
    double gyro300MHz = 0.0;
    double foF2MHz = 0.0;
    double m3000 = 0.0;
    double foEMHz = 0.0;
    double zenithDeg = 0.0;
};

/// One instant.
struct HourResult {
    double hourUtc = 0.0;
    double basicMufMHz = 0.0; ///< the path's basic (median) MUF; 0: no mode
    double muf10MHz = 0.0;
    double muf90MHz = 0.0;
    double opMufMHz = 0.0;
    double opMuf10MHz = 0.0;
    double opMuf90MHz = 0.0;
    int lowestF2Hops = 0; ///< 0: none
    int lowestEHops = 0;  ///< 0: none
    double dmaxKm = 0.0;  ///< the path's dmax (≤ 4000 km)
    std::vector<ControlPointResult> controlPoints;
    std::vector<FrequencyResult> frequencies; ///< in the request's order
};

/// A whole prediction, or the reason a request was refused.
struct CircuitResult {
    std::string error;
    double distanceKm = 0.0;
    double txBearingDeg = 0.0;     ///< toward the receiver along the path
    double rxBearingDeg = 0.0;     ///< toward the transmitter along the path
    std::vector<HourResult> hours; ///< in the request's order
};

/// The coefficient files and tables of the method, read once and never changed.
class PredictionData;

/// The data read, or the reason it could not be (naming the file).
struct DataLoad {
    std::shared_ptr<const PredictionData> data;
    std::string error;
};

/// Reads every file of the method from `folder` (the twelve monthly coefficient files
/// COEFFmmW.txt, the decile factors, the field model, the absorption and auroral-loss
/// tables). Damaged, truncated or hostile files give an error naming the file.
DataLoad LoadPredictionData(const std::filesystem::path& folder);

/// Checks one monthly coefficient file's text as LoadPredictionData reads it: "" when
/// it reads, else the message (naming `fileName`).
std::string CheckCoefficientText(std::string_view text, std::string_view fileName);

/// Where the program's copy of the data lies, in the order looked at: "p533" beside
/// the program (a portable folder), then "../share/hopscope/p533" from the program's
/// folder (an install under any prefix, and the build tree).
std::vector<std::filesystem::path> DataFolderCandidates(const std::filesystem::path& programDir);

/// The first of DataFolderCandidates for the running program that holds the data;
/// empty when none does.
std::filesystem::path FindDataFolder();

/// Predicts the circuit for every hour and frequency of the request. A request out of
/// range (month, hours, frequencies, R12, bandwidth, reliability) is refused with the
/// reason in `error`; otherwise every value is finite.
CircuitResult PredictCircuit(const PredictionData& data, const CircuitRequest& request);

} // namespace p533
