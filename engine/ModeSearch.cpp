#include "engine/ModeSearch.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/Constants.h"
#include "core/HopMode.h"
#include "core/Numeric.h"
#include "engine/ELayer.h"
#include "engine/F2Layer.h"

namespace {

constexpr int kMaxHalfUnits = CandidateGeometries::kMaxHalfUnits;
constexpr int kAllFEntry = kMaxHalfUnits / 2; // the entry after those of nh = 2..80
constexpr int kMaxTries = 12;
constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();
// The first block of a search's memory: enough for most paths' points and entries.
constexpr std::size_t kSearchMemoryBytes = 32 * 1024;

// 20·log10 of the free-space constant of the signal budget.
const double kBasicLevelDb = 20.0 * std::log10(11066.229697328);

// The F2 MUF at the middle of an end F hop: its day-long terms (made on first use)
// and its value for the current half hour.
struct EndFMuf {
    F2MufPlace terms;
    bool termsSet = false;
    float muf = 0.0f;
    bool mufSet = false;
};

// The F2 MUF of `end` at `point` for half hour j, worked out once per half hour.
float EndFMufAt(const PathSetup& setup, const HalfUnitGeometry& g, EndFMuf& end,
                const GeoLatLon& point, int j) {
    if (!end.mufSet) {
        if (!end.termsSet) {
            end.terms =
                PrepareF2Muf(setup.month, setup.day, setup.kIndex, static_cast<float>(point.lonRad),
                             static_cast<float>(point.latRad), g.cosElevationF, g.elevationF,
                             setup.ssn, *setup.sun);
            end.termsSet = true;
        }
        end.muf = F2MufAt(end.terms, 0.5f * j, *setup.sun);
        end.mufSet = true;
    }
    return end.muf;
}

} // namespace

double AntipodalGainDb(double lengthRad) {
    const double a = MinOf(2.7881634800609415, kPi - std::fabs(kPi - lengthRad));
    return 10.0 * std::log10(a / std::sin(a));
}

namespace {

// MakeSunHourAngles, made once per thread for each Sun in turn: the paths of one
// map or plan all share theirs.
const SunHourAngles& HourAnglesOf(const SolarPosition& sun) {
    thread_local double offset = std::numeric_limits<double>::quiet_NaN();
    thread_local SunHourAngles angles;
    if (!(sun.HourAngleOffset == offset)) {
        angles = MakeSunHourAngles(sun);
        offset = sun.HourAngleOffset;
    }
    return angles;
}

} // namespace

struct ModeSearch::Entry {
    Entry(const HalfUnitGeometry& geometry, std::pmr::memory_resource* memory)
        : g(geometry), eMuf(memory), absorption(memory), basicLevel(memory) {}
    const HalfUnitGeometry& g;
    int halfHour = -1; // the half hour the values below belong to
    // The E-layer MUF at each odd point: nothing yet, a sure or unsure quick
    // estimate (EMufEstimate) with the limits it settles, or the exact value.
    enum class EState : std::uint8_t { None, Sure, Unsure, Exact };
    struct OddEMufValue {
        EState state = EState::None;
        float exact = 0.0f;
        double below = 0.0;      // frequencies under this are at or below the MUF
        double nearAbove = 0.0;  // frequencies over this and under nearBelow are
        double nearBelow = 0.0;  //   above it but not by 5 %
        double clearAbove = 0.0; // frequencies over this clear it by 5 %
    };
    std::pmr::vector<OddEMufValue> eMuf;
    // The absorptions (without the frequency factor) where a hop from 2k enters
    // and where a hop ending at 2(k + 1) leaves the D layer, and their quick
    // estimates (AbsorptionEstimate); NaN: not yet made.
    struct Absorptions {
        double entering = kUnset;
        double leaving = kUnset;
        double enteringEstimate = kUnset;
        double leavingEstimate = kUnset;
    };
    std::pmr::vector<Absorptions> absorption;
    // The F2 MUF at the middles of the first and of the last F hop.
    EndFMuf firstF;
    EndFMuf lastF;
    // Ground losses by frequency slot and ground kind; they hold for the whole path.
    std::array<std::array<double, 3>, kMaxFrequencies> groundLoss;
    // The level before any loss of a mode of eHops E hops and fHops F hops, by eHops
    // (fHops −1: not yet made); it holds for the whole path.
    struct BasicLevel {
        int fHops = -1;
        double db = 0.0;
    };
    std::pmr::vector<BasicLevel> basicLevel;
};

// The letters of a mode, E and F, at most one per two half-units.
struct ModeSearch::Letters {
    std::array<char, kMaxHalfUnits / 2> text;
    int size = 0;
    void clear() { size = 0; }
    void push(char layer) { text[size++] = layer; }
    std::string_view view() const { return {text.data(), static_cast<std::size_t>(size)}; }
};

struct ModeSearch::Candidate {
    Letters letters;
    Entry* entry = nullptr;
};

ModeSearch::ModeSearch(const PathSetup& setup)
    : m_setup(setup), m_memory(kSearchMemoryBytes),
      m_ownGeometries(std::make_unique<CandidateGeometries>(setup, true, &m_memory)),
      m_geometries(*m_ownGeometries), m_antipodalDb(AntipodalGainDb(setup.lengthRad)),
      m_hourAngles(HourAnglesOf(*setup.sun)) {
    m_entries.resize(kAllFEntry + 1);
}

ModeSearch::ModeSearch(const PathSetup& setup, CandidateGeometries& geometries)
    : m_setup(setup), m_memory(kSearchMemoryBytes), m_geometries(geometries),
      m_antipodalDb(AntipodalGainDb(setup.lengthRad)), m_hourAngles(HourAnglesOf(*setup.sun)) {
    m_entries.resize(kAllFEntry + 1);
}

ModeSearch::~ModeSearch() = default;

ModeSearch::Entry& ModeSearch::EntryFor(int nh) {
    const int index = nh == 0 ? kAllFEntry : nh / 2 - 1;
    std::unique_ptr<Entry>& slot = m_entries[index];
    if (!slot) {
        slot = std::make_unique<Entry>(m_geometries.For(nh), &m_memory);
        for (auto& row : slot->groundLoss)
            row.fill(kUnset);
        slot->basicLevel.resize(slot->g.nh / 2 + 1);
    }
    return *slot;
}

void ModeSearch::StartHalfHour(Entry& e, int j) {
    if (e.halfHour == j)
        return;
    // The values of another half hour are of no more use: this is where the
    // E-layer cache of the previous half hour is released.
    const std::size_t half = e.g.made.size();
    e.halfHour = j;
    e.eMuf.assign(half, Entry::OddEMufValue{});
    e.absorption.assign(half, Entry::Absorptions{});
    e.firstF.mufSet = false;
    e.lastF.mufSet = false;
}

inline float ModeSearch::OddEMuf(Entry& e, int k, int j) {
    Entry::OddEMufValue& v = e.eMuf[k];
    if (v.state != Entry::EState::Exact) {
        m_geometries.MakePointPart(e.g, k, kOddPart);
        v.exact = EMufAt(e.g.oddTerms[k], 0.5f * j, *m_setup.sun);
        v.state = Entry::EState::Exact;
    }
    return v.exact;
}

inline ModeSearch::Standing ModeSearch::StandingAt(Entry& e, int k, int j, float freq) {
    // Most points are far enough from the frequency that the quick estimate
    // settles where it stands; the exact MUF is only worked out when it does not.
    const Entry::OddEMufValue& v = e.eMuf[k];
    if (v.state == Entry::EState::None)
        EstimateOddEMuf(e, k, j);
    if (v.state == Entry::EState::Sure) {
        if (freq < v.below)
            return Standing::Below;
        if (freq > v.clearAbove)
            return Standing::Clear;
        if (freq > v.nearAbove && freq < v.nearBelow)
            return Standing::Near;
    }
    const float muf = OddEMuf(e, k, j);
    if (!(freq > muf))
        return Standing::Below;
    return freq <= 1.05 * muf ? Standing::Near : Standing::Clear;
}

void ModeSearch::EstimateOddEMuf(Entry& e, int k, int j) {
    Entry::OddEMufValue& v = e.eMuf[k];
    EMufEstimateKind kind = EMufEstimateKind::Unsure;
    m_geometries.MakePointPart(e.g, k, kOddPart);
    const double estimate = EMufEstimate(e.g.oddTerms[k], j, m_hourAngles, kind);
    if (kind == EMufEstimateKind::Exact) {
        v.exact = static_cast<float>(estimate); // the night floor's MUF, as EMufAt gives it
        v.state = Entry::EState::Exact;
        return;
    }
    v.state = kind == EMufEstimateKind::Sure && estimate > 0.0 ? Entry::EState::Sure
                                                               : Entry::EState::Unsure;
    // The MUF lies within [low, high].
    const double low = estimate * (1.0 - kEMufEstimateTolerance);
    const double high = estimate * (1.0 + kEMufEstimateTolerance);
    v.below = low;
    v.nearAbove = high;
    v.nearBelow = 1.05 * low;
    v.clearAbove = 1.05 * high;
}

double ModeSearch::EnteringAbsorption(Entry& e, int k, int j) {
    Entry::Absorptions& a = e.absorption[k];
    if (std::isnan(a.entering)) {
        m_geometries.MakePointPart(e.g, k, kEnteringPart);
        a.entering = AbsorptionAt(e.g.enteringTerms[k], j, *m_setup.sun);
    }
    return a.entering;
}

double ModeSearch::LeavingAbsorption(Entry& e, int k, int j) {
    Entry::Absorptions& a = e.absorption[k];
    if (std::isnan(a.leaving)) {
        m_geometries.MakePointPart(e.g, k, kLeavingPart);
        a.leaving = AbsorptionAt(e.g.leavingTerms[k], j, *m_setup.sun);
    }
    return a.leaving;
}

inline double ModeSearch::EnteringEstimate(Entry& e, int k, int j) {
    Entry::Absorptions& a = e.absorption[k];
    if (!std::isnan(a.entering))
        return a.entering;
    if (std::isnan(a.enteringEstimate)) {
        m_geometries.MakePointPart(e.g, k, kEnteringPart);
        a.enteringEstimate = AbsorptionEstimate(e.g.enteringTerms[k], j, m_hourAngles);
    }
    return a.enteringEstimate;
}

inline double ModeSearch::LeavingEstimate(Entry& e, int k, int j) {
    Entry::Absorptions& a = e.absorption[k];
    if (!std::isnan(a.leaving))
        return a.leaving;
    if (std::isnan(a.leavingEstimate)) {
        m_geometries.MakePointPart(e.g, k, kLeavingPart);
        a.leavingEstimate = AbsorptionEstimate(e.g.leavingTerms[k], j, m_hourAngles);
    }
    return a.leavingEstimate;
}

double ModeSearch::GroundLoss(Entry& e, int k, int n, double exactDistance) {
    m_geometries.MakePointPart(e.g, k, kGroundPart);
    GroundKind kind = e.g.ground[k];
    if (e.g.groundNearEdge[k]) {
        // Take the ground at the distance exactly as the hops added it up.
        const GeoLatLon p = PointAlongPath(m_geometries.Along(), exactDistance);
        kind = GroundKindAt(p.lonRad * kDegPerRad, p.latRad * kDegPerRad);
    }
    double& loss = e.groundLoss[n][static_cast<int>(kind)];
    if (std::isnan(loss))
        loss = GroundLossFor(kind, e.g.elevation * kDegPerRad, m_setup.frequencies[n].FrequencyMHz);
    return loss;
}

float ModeSearch::FirstFMuf(Entry& e, int j) {
    StartHalfHour(e, j);
    return EndFMufAt(m_setup, e.g, e.firstF, e.g.firstF, j);
}

float ModeSearch::LastFMuf(Entry& e, int j) {
    StartHalfHour(e, j);
    return EndFMufAt(m_setup, e.g, e.lastF, e.g.lastF, j);
}

double ModeSearch::BasicLevel(Entry& e, int eHops, int fHops) {
    const HalfUnitGeometry& g = e.g;
    Entry::BasicLevel* cached =
        eHops < static_cast<int>(e.basicLevel.size()) ? &e.basicLevel[eHops] : nullptr;
    if (cached && cached->fHops == fHops)
        return cached->db;
    const double slantKm = 0.002 * (fHops * g.slantF + eHops * g.slantE);
    const double hops = static_cast<double>(eHops + fHops);
    const double basic =
        kBasicLevelDb - 20.0 * std::log10(slantKm) + g.focusDb + m_antipodalDb - 2.0 * hops - 3.0;
    if (cached)
        *cached = {fHops, basic};
    return basic;
}

double ModeSearch::Signal(std::string_view letters, Entry& e, int n, int j, double floorDb) {
    StartHalfHour(e, j);
    const HalfUnitGeometry& g = e.g;
    int eHops = 0;
    for (const char layer : letters)
        eHops += layer == 'E';
    const int fHops = static_cast<int>(letters.size()) - eHops;
    const double basic = BasicLevel(e, eHops, fHops);
    const double level = basic - m_setup.frequencies[n].FrequencyTermDb;

    const double absorptionFactor = m_setup.frequencies[n].AbsorptionFactor;
    if (floorDb > kNoModeSignal && IsSurelyBelow(letters, e, n, j, level, floorDb))
        return floorDb;

    // Losses only add up, so once the level with the losses so far is below floorDb
    // the full level cannot exceed it and the rest is not needed. (The margin
    // covers a ground loss that rounds to a hair below zero at grazing incidence.)
    double absorption = 0.0;
    double ground = 0.0;
    double x = 0.0;
    int p = 0;
    for (const char layer : letters) {
        const bool isE = layer == 'E';
        absorption += EnteringAbsorption(e, p / 2, j) * absorptionFactor;
        p += isE ? 2 : 4;
        absorption += LeavingAbsorption(e, p / 2 - 1, j) * absorptionFactor;
        x += isE ? 2 * g.u : 4 * g.u;
        ground += GroundLoss(e, p / 2 - 1, n, x);
        if (level - ground - absorption < floorDb - 1e-9)
            return floorDb;
    }
    return level - ground - absorption;
}

bool ModeSearch::IsSurelyBelow(std::string_view letters, Entry& e, int n, int j, double level,
                               double floorDb) {
    // The signal budget hop by hop with estimated absorptions: as soon as that,
    // given the estimates' full tolerance, is below floorDb, the exact level would
    // be too (losses only add up). The 1e-6 dB covers the different order of the sums.
    const HalfUnitGeometry& g = e.g;
    const double absorptionFactor = m_setup.frequencies[n].AbsorptionFactor;
    const double allowedLoss = level - floorDb + 1e-9 + 1e-6;
    if (allowedLoss < 0.0)
        return true;         // below before any loss
    double absorption = 0.0; // before the frequency factor
    double ceiling = 0.0;
    double ground = 0.0;
    double x = 0.0;
    int p = 0;
    for (const char layer : letters) {
        const bool isE = layer == 'E';
        const int entering = p / 2;
        p += isE ? 2 : 4;
        const int leaving = p / 2 - 1;
        absorption += EnteringEstimate(e, entering, j) + LeavingEstimate(e, leaving, j);
        ceiling += g.enteringTerms[entering].ceiling + g.leavingTerms[leaving].ceiling;
        x += isE ? 2 * g.u : 4 * g.u;
        ground += GroundLoss(e, leaving, n, x);
        if (ground + absorptionFactor * (absorption - kAbsorptionEstimateTolerance * ceiling) >
            allowedLoss)
            return true;
    }
    return false;
}

double ModeSearch::ModeSignal(const std::string& letters, int nh, int n, int j) {
    return Signal(letters, EntryFor(nh), n, j, -std::numeric_limits<double>::infinity());
}

bool ModeSearch::NextMode(std::size_t& next, int& nh, int& tries, float freq, int j,
                          Candidate& out) {
    for (;;) {
        // The next half-unit count the search tries (nh = 2, 4, … 80, usable ones only).
        const std::span<const int> usable = m_geometries.UsableHalfUnits();
        if (next >= usable.size())
            return false;
        nh = usable[next++];
        Entry* e = &EntryFor(nh);
        ++tries;
        StartHalfHour(*e, j);

        out.letters.clear();
        out.entry = e;
        int off = 0;
        bool complete = true;
        while (off < nh) {
            const Standing first = StandingAt(*e, off / 2, j, freq);
            if (first != Standing::Below) {
                // The ray passes the E layer here and must clear it by 5 % over the
                // whole F hop.
                if (first == Standing::Near || off + 3 > nh ||
                    StandingAt(*e, off / 2 + 1, j, freq) != Standing::Clear) {
                    complete = false;
                    break;
                }
                out.letters.push('F');
                off += 4;
            } else {
                out.letters.push('E');
                off += 2;
            }
        }
        if (complete)
            return true;
        if (tries > kMaxTries - 1 || nh > kMaxHalfUnits - 1)
            return false;
    }
}

namespace {

// The letters of the path's all-F mode, `hops` F hops; `longer` holds them when they
// do not fit the constant.
std::string_view AllFLetters(int hops, std::string& longer) {
    constexpr std::string_view kAllFText = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";
    if (hops <= static_cast<int>(kAllFText.size()))
        return kAllFText.substr(0, hops);
    longer.assign(hops, 'F');
    return longer;
}

} // namespace

bool ModeSearch::Search(int n, int j, Candidate& bestMode, double& best) {
    const float freq = m_setup.frequencies[n].FrequencyMHz;
    best = kNoModeSignal;
    bool found = false;
    Candidate candidate;
    std::size_t next = 0;
    int nh = 0;
    int tries = 0;
    while (NextMode(next, nh, tries, freq, j, candidate)) {
        const std::string_view letters = candidate.letters.view();
        const double s = Signal(letters, *candidate.entry, n, j, best);
        if (s > best) {
            best = s;
            bestMode = candidate;
            found = true;
        }
        if (letters.find('E') == std::string_view::npos || tries >= kMaxTries ||
            nh >= kMaxHalfUnits)
            break;
    }
    return found;
}

bool ModeSearch::MayFindHopGeometryMode(int n, int j) {
    // The search ends on its first candidate of F hops only, so it can only find the
    // path's H F hops in the candidate of 4·H half-units, and only when that candidate
    // is among those it tries and comes out all F.
    const int nh = 4 * m_setup.hops.hops;
    const std::span<const int> usable = m_geometries.UsableHalfUnits();
    const auto at = std::find(usable.begin(), usable.end(), nh);
    if (at == usable.end() || at - usable.begin() >= kMaxTries)
        return false;
    Entry& e = EntryFor(nh);
    StartHalfHour(e, j);
    const float freq = m_setup.frequencies[n].FrequencyMHz;
    for (int off = 0; off < nh; off += 4) {
        if (StandingAt(e, off / 2, j, freq) != Standing::Clear ||
            StandingAt(e, off / 2 + 1, j, freq) != Standing::Clear)
            return false;
    }
    return true;
}

bool ModeSearch::FindsHopGeometryMode(int n, int j) {
    if (!MayFindHopGeometryMode(n, j))
        return false;
    Candidate bestMode;
    double best = 0.0;
    if (!Search(n, j, bestMode, best))
        return false;
    const std::string_view letters = bestMode.letters.view();
    return static_cast<int>(letters.size()) == m_setup.hops.hops &&
           letters.find('E') == std::string_view::npos;
}

void ModeSearch::BestModeFor(int n, int j, PathResult& result, ReliabilityRow& rel) {
    const int hops = m_setup.hops.hops;
    std::string longer;
    const bool takeOver = n > 0 && result.Hops[j][n - 1] == hops &&
                          result.Mode[j][n - 1] == LettersToMode(AllFLetters(hops, longer));
    StoreBestMode(n, j, takeOver, result, rel);
}

void ModeSearch::BestModeOfSlot(int n, int j, PathResult& result, ReliabilityRow& rel) {
    // Slot k − 1 holds the all-F mode when its own search finds it or slot k − 2 holds
    // it, and so on down: the lower slots' own searches, from the top, until one finds it.
    bool takeOver = false;
    for (int k = n - 1; k >= 0 && !takeOver; --k)
        takeOver = FindsHopGeometryMode(k, j);
    StoreBestMode(n, j, takeOver, result, rel);
}

void ModeSearch::StoreBestMode(int n, int j, bool takeOver, PathResult& result,
                               ReliabilityRow& rel) {
    const float freq = m_setup.frequencies[n].FrequencyMHz;
    const int hops = m_setup.hops.hops;
    const double tHours = 0.5 * j;

    // A frequency above one that propagates by the path's own all-F hops does too.
    if (takeOver) {
        std::string longer;
        const std::string_view allF = AllFLetters(hops, longer);
        result.Signal[j][n] = static_cast<float>(
            Signal(allF, EntryFor(0), n, j, -std::numeric_limits<double>::infinity()));
        result.Mode[j][n] = LettersToMode(allF);
        result.Hops[j][n] = static_cast<std::uint8_t>(hops);
        result.Elevation[j][n] =
            static_cast<std::uint8_t>(RoundHalfEven(m_setup.hops.elevation * kDegPerRad));
        return;
    }

    double best = kNoModeSignal;
    Candidate bestMode;
    const bool found = Search(n, j, bestMode, best);

    if (!found) {
        result.Signal[j][n] = kNoModeSignal;
        result.Mode[j][n] = HopLayers{};
        result.Hops[j][n] = 0;
        result.Elevation[j][n] = 0;
        rel.atA[n] = 0.0f;
        rel.atB[n] = 0.0f;
        return;
    }

    const std::string_view letters = bestMode.letters.view();
    Entry& e = *bestMode.entry;
    result.Signal[j][n] = static_cast<float>(best);
    result.Mode[j][n] = LettersToMode(letters);
    result.Hops[j][n] = static_cast<std::uint8_t>(letters.size());
    result.Elevation[j][n] = static_cast<std::uint8_t>(RoundHalfEven(e.g.elevation * kDegPerRad));

    const SolarPosition& sun = *m_setup.sun;
    // An E hop at either end: the reliability of the E-layer MUF of that hop.
    if (letters.front() == 'E')
        rel.atA[n] = static_cast<float>(Reliability(
            Layer::E, freq, tHours, 0.0, 0.0, OddEMuf(e, 0, j), m_setup.month, m_setup.ssn, sun));
    if (letters.back() == 'E')
        rel.atB[n] = static_cast<float>(Reliability(Layer::E, freq, tHours, 0.0, 0.0,
                                                    OddEMuf(e, e.g.nh / 2 - 1, j), m_setup.month,
                                                    m_setup.ssn, sun));
    if (letters.front() == 'F')
        rel.atA[n] = static_cast<float>(Reliability(Layer::F, freq, tHours, e.g.firstF.latRad,
                                                    e.g.firstF.lonRad, FirstFMuf(e, j),
                                                    m_setup.month, m_setup.ssn, sun));
    if (letters.back() == 'F')
        rel.atB[n] = static_cast<float>(Reliability(Layer::F, freq, tHours, e.g.lastF.latRad,
                                                    e.g.lastF.lonRad, LastFMuf(e, j), m_setup.month,
                                                    m_setup.ssn, sun));
}
