#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Geometry.h"
#include "engine/ELayer.h"
#include "engine/PathLosses.h"
#include "engine/PathMuf.h"
#include "engine/PredictionRecord.h"

// The search for the strongest propagation mode of each frequency: candidate
// sequences of E hops (two half-units) and F hops (four half-units) that fit the
// path split into nh half-units, and the signal level of each.

/// Everything about the candidates of one half-unit count nh that does not depend
/// on the time or the frequency: the hop elevation, the slant lengths, the
/// absorption geometry at 100 km and the points where the E-layer MUFs, the
/// absorptions and the ground reflections are evaluated.
struct HalfUnitGeometry {
    HalfUnitGeometry() = default;
    /// A geometry whose per-point vectors take their memory from `memory`.
    explicit HalfUnitGeometry(std::pmr::memory_resource* memory)
        : odd(memory), entering(memory), leaving(memory), ground(memory), groundNearEdge(memory),
          oddTerms(memory), enteringTerms(memory), leavingTerms(memory), made(memory) {}

    int nh = 0;
    bool usable = false;    ///< Δ ≥ the minimum angle and the F half-hop angle < π/2
    double u = 0.0;         ///< D/nh, radians
    double elevation = 0.0; ///< Δ, radians
    double cosElevation = 1.0;
    float elevationF = 0.0f; ///< Δ and cos Δ as the layer routines take them
    float cosElevationF = 1.0f;
    double slantF = 0.0;                  ///< half-hop slant length of an F hop, km
    double slantE = 0.0;                  ///< half-hop slant length of an E hop, km
    double secant100 = 1.0;               ///< secant of the ray at 100 km
    double theta100 = 0.0;                ///< ground offset of the 100 km crossing, radians
    double focusDb = 0.0;                 ///< focusing gain of the take-off angle, dB
    std::pmr::vector<GeoLatLon> odd;      ///< (2k + 1)·u: E-layer MUF points
    std::pmr::vector<GeoLatLon> entering; ///< 2k·u + θ100: where a hop from 2k enters the D layer
    std::pmr::vector<GeoLatLon>
        leaving; ///< 2(k + 1)·u − θ100: where a hop ending at 2(k + 1) leaves it
    std::pmr::vector<GroundKind> ground;   ///< ground at 2(k + 1)·u, hop ends
    std::pmr::vector<bool> groundNearEdge; ///< that point lies within a hair of a mask cell border
    std::pmr::vector<EMufPoint> oddTerms;  ///< the day-long E-layer terms at `odd`
    std::pmr::vector<AbsorptionPoint>
        enteringTerms;                              ///< the day-long absorption terms at `entering`
    std::pmr::vector<AbsorptionPoint> leavingTerms; ///< the day-long absorption terms at `leaving`
    GeoLatLon firstF;                               ///< 2u: middle of a first F hop
    GeoLatLon lastF;                                ///< D − 2u: middle of a last F hop
    /// The parts of point k made so far (PointPart bits); all of them unless the
    /// geometry came from a set that makes its points on first use, whose per-point
    /// vectors above reach only as far as the points made.
    std::pmr::vector<std::uint8_t> made;
    EMufShared eShared; ///< what the E-layer terms of every odd point share
};

/// The parts of point k of a HalfUnitGeometry that are made one at a time.
enum PointPart : std::uint8_t {
    kOddPart = 1,      ///< odd and oddTerms
    kEnteringPart = 2, ///< entering and enteringTerms
    kLeavingPart = 4,  ///< leaving and leavingTerms
    kGroundPart = 8,   ///< ground and groundNearEdge
    kAllParts = 15,
};

/// The geometry of the candidates of nh half-units on a path, elevation from
/// θ = 2D/nh in double precision. `usable` tells whether the mode search tries it.
HalfUnitGeometry MakeHalfUnitGeometry(const PathSetup& setup, int nh);

/// The same for the all-F mode of the path's hop geometry (nh = 4i with the hop
/// geometry's own Δ), taken over by a frequency when the one before it found it.
HalfUnitGeometry MakeHopGeometryModes(const PathSetup& setup);

/// 20·log10 of the signal budget's focusing gain for a take-off angle of cosine c:
/// 9 dB near the horizon (c > 0.999388523), else 10·log10((1 + q)·w/(w − c²(w − 1)))
/// with q = 430/Re and w = √(q/(1 − c²) + 1).
double FocusGainDb(double cosElevation);

/// The antipodal focusing gain of a path of length D (radians):
/// 10·log10(a/sin a), a = min(2.7881634800609415, π − |π − D|).
double AntipodalGainDb(double lengthRad);

/// The candidate geometries of one path (nh = 2, 4, … 80 and the path's all-F hop
/// geometry), each built on first use and then kept. One set may serve several mode
/// searches of the path at once, from several threads.
class CandidateGeometries {
public:
    static constexpr int kMaxHalfUnits = 80;

    /// The set keeps a reference to the setup, which must outlive it. A set for one
    /// search alone (`pointsOnDemand`) makes each point's parts when the search first
    /// reads them (MakePointPart), which saves those a search never reaches; a set
    /// shared by several searches makes every point up front.
    /// A set that makes its points on demand takes their memory from `memory` (the
    /// default resource when null), which must outlive it.
    explicit CandidateGeometries(const PathSetup& setup, bool pointsOnDemand = false,
                                 std::pmr::memory_resource* memory = nullptr);
    explicit CandidateGeometries(PathSetup&&) = delete;
    ~CandidateGeometries();
    CandidateGeometries(const CandidateGeometries&) = delete;
    CandidateGeometries& operator=(const CandidateGeometries&) = delete;

    /// MakeHalfUnitGeometry(setup, nh) for nh = 2..80, MakeHopGeometryModes(setup)
    /// for nh = 0.
    const HalfUnitGeometry& For(int nh);
    /// Makes part `part` of point k of the geometry For(nh) returned when it is not
    /// made yet (only in a set that makes its points on demand).
    void MakePointPart(const HalfUnitGeometry& g, int k, PointPart part);
    /// The counts nh whose candidates the mode search tries, ascending.
    std::span<const int> UsableHalfUnits() const { return {m_usable.data(), m_usableCount}; }
    /// The path from A, for points along it.
    const GreatCircleStart& Along() const { return m_along; }

private:
    static constexpr int kCount = kMaxHalfUnits / 2 + 1; // nh/2 − 1, then the all-F mode
    const PathSetup& m_setup;
    bool m_pointsOnDemand = false;
    GreatCircleStart m_along;
    std::pmr::memory_resource* m_memory;
    std::array<int, kMaxHalfUnits / 2> m_usable{};
    std::size_t m_usableCount = 0;
    std::array<std::once_flag, kCount> m_built;
    std::array<std::unique_ptr<HalfUnitGeometry>, kCount> m_geometries;
};

/// The mode search of one path: holds the per-path candidate geometry (built on
/// first use) and, for the half hour in hand, the E-layer MUFs, absorptions and
/// F-layer MUFs that all frequencies of that half hour share (the E-layer cache),
/// plus the ground losses of each frequency. Its results are those of evaluating
/// every value afresh; the caches only save the repetition.
class ModeSearch {
public:
    /// The search keeps a reference to the setup, which must outlive it.
    explicit ModeSearch(const PathSetup& setup);
    explicit ModeSearch(PathSetup&&) = delete;
    /// A search that takes its candidate geometries from `geometries` (of the same
    /// setup), which other searches of the path may share; it must outlive the search.
    ModeSearch(const PathSetup& setup, CandidateGeometries& geometries);
    ~ModeSearch();
    ModeSearch(const ModeSearch&) = delete;
    ModeSearch& operator=(const ModeSearch&) = delete;

    /// BestModeFor: the strongest mode of frequency slot n (0-based) at half hour
    /// j, stored into the path result (Signal, Mode, Hops, Elevation). Slot n > 0
    /// takes over the path's all-F mode without a search when slot n − 1 holds it.
    /// The control-point reliabilities are refined by the layers of the mode's first
    /// and last hop, or both set to 0 when no mode exists (Signal −1e10).
    void BestModeFor(int n, int j, PathResult& result, ReliabilityRow& reliabilities);

    /// BestModeFor of slot n with the slots below it unknown: whether slot n − 1 holds
    /// the all-F mode is worked out from the lower slots' own searches, only as far as
    /// needed. Result and reliabilities as BestModeFor gives them for slot n, after the
    /// slots below it; nothing of the other slots is written.
    void BestModeOfSlot(int n, int j, PathResult& result, ReliabilityRow& reliabilities);

    /// The signal level (dB above 0.5 µV) of a mode given by its letters (E and F,
    /// fitting nh exactly) on the candidates of nh half-units, for frequency slot n
    /// at half hour j. nh = 0 means the path's all-F hop geometry.
    double ModeSignal(const std::string& letters, int nh, int n, int j);

private:
    struct Entry;
    struct Letters;
    struct Candidate;

    Entry& EntryFor(int nh);
    /// The search proper: the strongest candidate of slot n at half hour j and its
    /// level; false when there is none.
    bool Search(int n, int j, Candidate& bestMode, double& best);
    /// False when the search of slot n at half hour j surely does not end on the
    /// path's all-F hop mode (worked out from the E-layer standings alone).
    bool MayFindHopGeometryMode(int n, int j);
    /// The search of slot n at half hour j finds the path's all-F hop mode.
    bool FindsHopGeometryMode(int n, int j);
    /// BestModeFor with the all-F rule decided: `takeOver` when slot n − 1 holds it.
    void StoreBestMode(int n, int j, bool takeOver, PathResult& result,
                       ReliabilityRow& reliabilities);
    /// Makes the entry's time-dependent values those of half hour j; the getters
    /// below read them and need it called first.
    void StartHalfHour(Entry& entry, int j);
    float OddEMuf(Entry& entry, int k, int j);
    /// Where a frequency stands against the E-layer MUF e at point k: at or below
    /// it, above it but not by 5 % (freq ≤ 1.05·e), or clear of it.
    enum class Standing { Below, Near, Clear };
    Standing StandingAt(Entry& entry, int k, int j, float freq);
    void EstimateOddEMuf(Entry& entry, int k, int j);
    double EnteringAbsorption(Entry& entry, int k, int j);
    double LeavingAbsorption(Entry& entry, int k, int j);
    /// The absorption when already known, else its quick estimate.
    double EnteringEstimate(Entry& entry, int k, int j);
    double LeavingEstimate(Entry& entry, int k, int j);
    /// True when the mode's level, with estimated absorptions, is sure to end up
    /// below floorDb; `level` is its level before any losses.
    bool IsSurelyBelow(std::string_view letters, Entry& entry, int n, int j, double level,
                       double floorDb);
    double GroundLoss(Entry& entry, int k, int n, double exactDistance);
    float FirstFMuf(Entry& entry, int j);
    float LastFMuf(Entry& entry, int j);
    /// The signal level, or exactly floorDb as soon as it is sure not to exceed it.
    double Signal(std::string_view letters, Entry& entry, int n, int j, double floorDb);
    /// The level before any loss (the free-space budget with the focusing gains and the
    /// per-hop allowance), made once per path for each count of E and F hops.
    double BasicLevel(Entry& entry, int eHops, int fHops);
    /// The next complete candidate after the usable half-unit count number next − 1
    /// (next 0 to start), its count in nh; false when the search is over.
    bool NextMode(std::size_t& next, int& nh, int& tries, float freq, int j, Candidate& out);

    const PathSetup& m_setup;
    // The memory of the search's own candidate points and of its entries, handed out
    // in order and given back all at once when the search ends.
    std::pmr::monotonic_buffer_resource m_memory;
    std::unique_ptr<CandidateGeometries> m_ownGeometries; // when none is handed in
    CandidateGeometries& m_geometries;
    double m_antipodalDb = 0.0;
    SunHourAngles m_hourAngles;                    // for the quick estimates
    std::vector<std::unique_ptr<Entry>> m_entries; // nh/2 − 1 for nh = 2..80, then the all-F mode
};
