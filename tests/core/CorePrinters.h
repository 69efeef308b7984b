#pragma once

// Printers so that a failing expectation shows the values of our records.

#include <ostream>

#include "core/Core.h"

inline void PrintTo(const PathGeometry& p, std::ostream* os) {
    *os << "{BearingAtA " << p.BearingAtA * kDegPerRad << "°, BearingAtB "
        << p.BearingAtB * kDegPerRad << "°, Length " << p.Length << " rad, IsPolar " << p.IsPolar
        << "}";
}

inline void PrintTo(const UserMessage& m, std::ostream* os) {
    *os << "{kind " << static_cast<int>(m.kind) << ", alert " << m.alert << ", \"" << OneLineText(m)
        << "\"}";
}

inline void PrintTo(const CalendarDay& d, std::ostream* os) {
    *os << d.year << "-" << d.month << "-" << d.day;
}

/// A terminal with its texts; the reals follow from ComputePathGeometry.
inline Terminal MakeTerminal(const char* latitudeText, const char* longitudeText,
                             const char* name = "") {
    Terminal t;
    t.LatitudeText = latitudeText;
    t.LongitudeText = longitudeText;
    t.Name = name;
    return t;
}
