#pragma once

/// The Sun for the date being computed. Filled by ComputeSolarPosition
/// (engine/SolarEphemeris.h); read by the layer models, the absorption model, the sun
/// times of the header lines and the map windows. All zero before the first
/// computation. Angles in radians unless stated.
struct SolarPosition {
    double Distance = 0.0;              ///< Earth–Sun distance R, astronomical units
    double InverseSquareDistance = 0.0; ///< 1 / R²
    double CosDeclination = 0.0;        ///< cos δ
    double Declination = 0.0;           ///< δ
    double EquationOfTime = 0.0;        ///< hours, in (−12, +12]
    double TimeCorrection = 0.0;        ///< EquationOfTime minus the anchor-interpolated one, hours
    double HourAngleOffset = 0.0;       ///< (L − α) − 180, degrees, not wrapped
    double SinEclipticLongitude = 0.0;  ///< sin λ, the seasonal driver of the F2 model
    double SinDeclination = 0.0;        ///< sin δ
};
