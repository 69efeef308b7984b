#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <memory_resource>
#include <mutex>
#include <span>
#include <vector>

#include "core/Geometry.h"
#include "engine/ELayer.h"
#include "engine/PathLosses.h"
#include "engine/PathMuf.h"
#include "engine/PredictionRequest.h"

// The candidate geometries of the mode search: for each count nh of half-units a path
// splits into, the hop elevation, slant lengths and the points where the layers and
// the ground are evaluated, none of which depends on the time or the frequency.

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
    void MakePointPart(const HalfUnitGeometry& g, int k, PointPart part) {
        if (!(g.made[k] & part))
            MakeMissingPart(g, k, part);
    }
    /// The counts nh whose candidates the mode search tries, ascending.
    std::span<const int> UsableHalfUnits() const { return {m_usable.data(), m_usableCount}; }
    /// The path from A, for points along it.
    const GreatCircleStart& Along() const { return m_along; }

private:
    void MakeMissingPart(const HalfUnitGeometry& g, int k, PointPart part);

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
