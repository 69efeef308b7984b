#pragma once

#include "p533/Tables.h"

// Losses of the short model besides free space (P.533 §5.2.2 to §5.2.4): ionospheric
// absorption Li, the auroral and other losses Lh, the above-the-MUF loss Lm.

namespace p533 {

/// φn(T), the absorption-layer penetration factor of P.533 Fig. 2 normalised by 0.34,
/// for T = fv / foE.
double PenetrationFactor(double t);

/// The diurnal exponent p of P.533 Fig. 3 for a month (1..12; six months on in the
/// south) and the modip μ′ from the 100-km dip, degrees.
double DiurnalExponent(const AbsorptionTables& t, int month, bool south, double modipDeg);

/// ATnoon (dB·MHz²) for a month (1..12) at |latitude| absLatDeg, linear in latitude;
/// 70° and more read as 69.99°.
double AbsorptionAtNoon(const AbsorptionTables& t, int month, double absLatDeg);

/// F(χ) = max(cos^p(0.881χ), 0.02), χ (radians) limited to 102°.
double ZenithFactor(double zenith, double p);

/// Li = n(1 + 0.0067R)·sec i110 / (f + fL)² · mean over the points of
/// ATnoon·φn(f·cos i110 / foE)·F(χ)/F(χnoon); `weights` holds ATnoon·F(χ)/F(χnoon)
/// and `foE` foE of each point.
double AbsorptionLoss(int hops, double rCapped, double i110, double freqMHz, double fL,
                      const double* weights, const double* foE, int points);

/// Lm (dB) of a mode above its basic MUF fB (0 at or below it); F2 modes change form at
/// paths of 3000 km.
double AboveMufLoss(bool eLayer, double freqMHz, double basicMuf, double distanceKm);

/// Season of the auroral-loss table: northern winter Dec–Feb, equinox Mar–May and
/// Sep–Nov, summer Jun–Aug, reversed in the south.
Season AuroralSeason(int month, double lat);

/// Lh (dB) for a hop length, the season at the point, its |geomagnetic latitude|
/// (degrees) and the mid-path local time (hours; out of 0..24 it reads as 22–01).
double AuroralLoss(const AuroralTable& t, double hopKm, Season season, double absGeomagDeg,
                   double localTime);

} // namespace p533
