#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

#include "core/Geometry.h"
#include "engine/CandidateGeometries.h"
#include "engine/ELayer.h"
#include "engine/PathLosses.h"
#include "engine/PathMuf.h"
#include "engine/PredictionRequest.h"

// The search for the strongest propagation mode of each frequency: candidate
// sequences of E hops (two half-units) and F hops (four half-units) that fit the
// path split into nh half-units, and the signal level of each.

/// The antipodal focusing gain of a path of length D (radians):
/// 10·log10(a/sin a), a = min(2.7881634800609415, π − |π − D|).
double AntipodalGainDb(double lengthRad);

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
