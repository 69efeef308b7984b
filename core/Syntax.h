#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Terminal.h"
#include "core/UserMessage.h"

// The syntax of what users type: coordinates, grid locators, prefixes, times of
// day, solar and K indices. Every routine accepts any string without failing;
// a refusal carries the program's message for it.

/// `text` without the blanks (spaces) at either end; empty when it holds nothing else.
std::string TrimBlanks(std::string_view text);

/// The outcome of ParseCoordinate.
struct CoordinateParse {
    bool ok = false;
    double valueDeg = 0.0; ///< signed degrees, longitude west positive; 0 on failure
    std::string
        normalizedText; ///< the tidied text (≤ 11 characters), or the input (cut to 11) on failure
    UserMessage message; ///< the syntax-error window, or an error box
    explicit operator bool() const { return ok; }
};

/// Reads "[+/-]deg [min [sec]] [N/S]" (latitude, limit 90) or "... [W/E]"
/// (longitude, limit 360); each field may have decimals, minutes and seconds are
/// below 60, value = deg + min/60 + sec/3600, the limit is inclusive. A "-" or a
/// trailing S or E makes the value negative (the letter is not checked against
/// the kind). The text is normalized: outer blanks removed, runs of blanks
/// squeezed, a blank before the letter ("40  54N" → "40 54 N"), and made to fit
/// 11 characters by FitCoordinateText.
/// Refusals: the syntax-error window (SyntaxErrorLines) for doubled signs or
/// letters, a sign mixed with a letter, more than three fields, a field that is
/// not a number, minutes or seconds of 60 or more; "You have not entered a valid
/// latitude." for an empty text; "Please enter a latitude between -90 and +90
/// degrees." beyond the limit. Upper-case letters only (entry fields raise case).
CoordinateParse ParseCoordinate(std::string_view text, CoordinateKind kind);

/// A coordinate text that fits `capacity` characters and reads back to the same
/// value: the normalized text when it fits; else without the blank before its
/// letter ("28 10 30.2E"); else the value in signed decimal degrees with as many
/// decimals (up to 6) as fit. Cutting the text instead could drop the letter and
/// with it the sign.
std::string FitCoordinateText(std::string_view normalizedText, double valueDeg,
                              std::size_t capacity);

/// The nine lines of the syntax-error window for a latitude or a longitude.
std::vector<std::string> SyntaxErrorLines(CoordinateKind kind);

/// The outcome of GridLocatorToCoordinates.
struct LocatorResult {
    bool ok = false;
    std::string latitudeText;  ///< centre latitude, FormatFixed(v, 0, 2), e.g. "41.50"
    std::string longitudeText; ///< centre longitude, west positive, e.g. "73.00" or "-11.00"
    double latitudeDeg = 0.0;
    double longitudeDeg = 0.0;
    UserMessage message;
    explicit operator bool() const { return ok; }
};

/// The centre of a Maidenhead grid square: 4 or 6 characters, two letters A-R, two
/// digits, optionally two letters A-X, upper case only ("FN31" → 41.50, 73.00;
/// "JN58" → 48.50, -11.00). A length other than 4 or 6 fails without a message;
/// other faults give "You have not entered a valid grid locator" when showMessage.
LocatorResult GridLocatorToCoordinates(std::string_view locator, bool showMessage);

/// A call-sign prefix: 1 to 6 characters of A-Z, 0-9 and "/", not ending in "/",
/// with a letter before the first "/" (digits may come first: "3DA"). Otherwise,
/// when showMessage, "You have not entered a valid prefix".
CheckResult IsValidPrefix(std::string_view text, bool showMessage);

/// Exactly four digits HHMM with HH ≤ 23 and MM < 60.
bool IsValidHHMM(std::string_view text);

/// HH + MM/60 hours from a text of digits read as the integer HHMM; nullopt when
/// the text is not an integer.
std::optional<double> HHMMToHours(std::string_view text);

/// The time-of-day field's check: a number, IsValidHHMM, 0..2359; otherwise
/// "Please enter a four-digit time between 0000 and 2359."
CheckResult CheckTimeOfDay(std::string_view text);

/// The solar index field's check. "S" + number is a sunspot number (0..360), "F" +
/// number a 10.7 cm flux (60..410); a bare number is a sunspot number when
/// sunspotPrimary, else a flux. The value is rounded to one decimal first and the
/// text becomes e.g. "S150.0" or "F410.0". Refusals: "You must enter a solar flux
/// or sunspot number" (empty), "Sunspot number must be between 0 and 360", "Solar
/// flux must be between 60 and 410" (also when the number does not read).
TextCheck CheckSolarIndex(std::string_view text, bool sunspotPrimary);

/// The K index field's check: empty is valid (the average K index); otherwise an
/// integer −1..9, rewritten canonically ("05" → "5"); otherwise "Please enter a K
/// index between 0 and 9 (or leave blank or enter -1 if you want the calculations
/// to use an average K index)."
TextCheck CheckKIndex(std::string_view text);

/// The status-line hint of a solar index field: what a bare number means follows
/// `sunspotPrimary`.
std::string SolarIndexHint(bool sunspotPrimary);

/// The status-line hint of a K index field.
std::string KIndexHint();
