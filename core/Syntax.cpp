#include "core/Syntax.h"

#include <algorithm>

#include "core/Numeric.h"

std::string TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

namespace {

std::size_t Count(std::string_view text, char c) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), c));
}

UserMessage SyntaxErrorMessage(CoordinateKind kind) {
    UserMessage message;
    message.kind = MessageKind::SyntaxError;
    message.alert = true;
    message.lines = SyntaxErrorLines(kind);
    message.text = message.lines.front();
    return message;
}

/// The fields "deg [min [sec]]" of a tidied coordinate, in degrees; nullopt when
/// a field is not a number or minutes or seconds reach 60.
std::optional<double> SumOfFields(const std::string& fields) {
    double value = 0.0;
    double divisor = 1.0;
    std::size_t start = 0;
    for (int index = 0; start <= fields.size(); ++index) {
        std::size_t end = fields.find(' ', start);
        if (end == std::string::npos)
            end = fields.size();
        const auto number =
            ParseDecimal(std::string_view(fields).substr(start, end - start), false);
        if (!number || (index > 0 && *number >= 60.0))
            return std::nullopt;
        value += *number / divisor;
        divisor *= 60.0;
        start = end + 1;
    }
    return value;
}

} // namespace

std::string FitCoordinateText(std::string_view normalizedText, double valueDeg,
                              std::size_t capacity) {
    if (normalizedText.size() <= capacity)
        return std::string(normalizedText);
    const std::size_t n = normalizedText.size();
    if (n >= 2 && normalizedText[n - 2] == ' ' &&
        std::string_view("NSEW").find(normalizedText[n - 1]) != std::string_view::npos &&
        n - 1 <= capacity)
        return std::string(normalizedText.substr(0, n - 2)) + normalizedText[n - 1];
    for (int decimals = 6; decimals > 0; --decimals) {
        const std::string text = FormatFixed(valueDeg, 0, decimals);
        if (text.size() <= capacity)
            return text;
    }
    return FormatFixed(valueDeg, 0, 0);
}

std::vector<std::string> SyntaxErrorLines(CoordinateKind kind) {
    const bool latitude = kind == CoordinateKind::Latitude;
    return {
        "Invalid syntax.",
        std::string("Use: [+/-]deg [min [sec]] ") + (latitude ? "[N/S]" : "[W/E]"),
        "",
        "Examples: 40.9       -28.175",
        "          +40.9      -28 10.5",
        std::string("          40 54 ") + (latitude ? "N" : "W") + "    28 10 30 " +
            (latitude ? "S" : "E"),
        "",
        "min and sec must be less than 60.",
        std::string("Do not mix +/- and ") + (latitude ? "N/S" : "W/E") + ".",
    };
}

CoordinateParse ParseCoordinate(std::string_view text, CoordinateKind kind) {
    const bool latitude = kind == CoordinateKind::Latitude;
    const std::string kindName = latitude ? "latitude" : "longitude";
    const int limit = latitude ? 90 : 360;

    CoordinateParse result;
    result.normalizedText = CutText(text, 11);
    auto syntaxError = [&] {
        result.message = SyntaxErrorMessage(kind);
        return result;
    };

    std::string copy = TrimBlanks(text);
    const std::size_t plus = Count(copy, '+'), minus = Count(copy, '-');
    const std::size_t letters =
        Count(copy, 'N') + Count(copy, 'S') + Count(copy, 'E') + Count(copy, 'W');
    if (plus > 1 || minus > 1 || Count(copy, 'N') > 1 || Count(copy, 'S') > 1 ||
        Count(copy, 'E') > 1 || Count(copy, 'W') > 1 || Count(copy, '.') > 1 ||
        ((plus || minus) && letters))
        return syntaxError();

    if (copy.empty()) {
        result.message = ErrorMessage("You have not entered a valid " + kindName + ".");
        return result;
    }

    char sign = 0;
    if (copy.front() == '+' || copy.front() == '-') {
        sign = copy.front();
        copy = TrimBlanks(std::string_view(copy).substr(1));
        if (copy.empty())
            return syntaxError();
    }
    char letter = 0;
    if (std::string_view("NSEW").find(copy.back()) != std::string_view::npos) {
        letter = copy.back();
        copy.pop_back();
        copy = TrimBlanks(copy);
        if (copy.empty())
            return syntaxError();
    }

    std::string squeezed;
    for (char c : copy)
        if (!(c == ' ' && !squeezed.empty() && squeezed.back() == ' '))
            squeezed += c;
    if (Count(squeezed, ' ') >= 3)
        return syntaxError();

    const std::optional<double> value = SumOfFields(squeezed);
    if (!value)
        return syntaxError();
    if (*value > limit) {
        result.message =
            ErrorMessage("Please enter a " + kindName + " between -" + std::to_string(limit) +
                         " and +" + std::to_string(limit) + " degrees.");
        return result;
    }

    std::string normalized = squeezed;
    if (sign)
        normalized.insert(0, 1, sign);
    if (letter)
        normalized += std::string(" ") + letter;
    result.ok = true;
    const bool negative = sign == '-' || (!sign && (letter == 'S' || letter == 'E'));
    result.valueDeg = negative ? -*value : *value;
    result.normalizedText = FitCoordinateText(normalized, result.valueDeg, 11);
    return result;
}

LocatorResult GridLocatorToCoordinates(std::string_view locator, bool showMessage) {
    LocatorResult result;
    if (locator.size() != 4 && locator.size() != 6)
        return result;
    auto between = [](char c, char low, char high) { return c >= low && c <= high; };
    bool valid = between(locator[0], 'A', 'R') && between(locator[1], 'A', 'R') &&
                 between(locator[2], '0', '9') && between(locator[3], '0', '9');
    if (locator.size() == 6)
        valid = valid && between(locator[4], 'A', 'X') && between(locator[5], 'A', 'X');
    if (!valid) {
        if (showMessage)
            result.message = ErrorMessage("You have not entered a valid grid locator");
        return result;
    }
    // Longitudes west positive: each character narrows [south, north] × [east, west].
    double west = 180.0 - 20.0 * (locator[0] - 'A');
    double east = west - 20.0;
    double south = 10.0 * (locator[1] - 'A') - 90.0;
    double north = south + 10.0;
    west = west - 2.0 * (locator[2] - '0');
    east = west - 2.0;
    south = south + (locator[3] - '0');
    north = south + 1.0;
    if (locator.size() == 6) {
        west = west - 5.0 * (locator[4] - 'A') / 60.0;
        east = west - 1.0 / 12.0;
        south = south + 2.5 * (locator[5] - 'A') / 60.0;
        north = south + 1.0 / 24.0;
    }
    result.latitudeDeg = south + (north - south) / 2.0;
    result.longitudeDeg = east + (west - east) / 2.0;
    result.latitudeText = FormatFixed(result.latitudeDeg, 0, 2);
    result.longitudeText = FormatFixed(result.longitudeDeg, 0, 2);
    result.ok = true;
    return result;
}

CheckResult IsValidPrefix(std::string_view text, bool showMessage) {
    bool valid = !text.empty() && text.size() <= 6 && text.back() != '/';
    bool letterBeforeSlash = false;
    bool slashSeen = false;
    for (char c : text) {
        const bool letter = c >= 'A' && c <= 'Z';
        if (!letter && !(c >= '0' && c <= '9') && c != '/')
            valid = false;
        if (c == '/')
            slashSeen = true;
        if (letter && !slashSeen)
            letterBeforeSlash = true;
    }
    if (valid && letterBeforeSlash)
        return {true, {}};
    CheckResult result;
    if (showMessage)
        result.message = ErrorMessage("You have not entered a valid prefix");
    return result;
}

bool IsValidHHMM(std::string_view text) {
    if (text.size() != 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int hours = (text[0] - '0') * 10 + (text[1] - '0');
    const int minutes = (text[2] - '0') * 10 + (text[3] - '0');
    return hours <= 23 && minutes < 60;
}

std::optional<double> HHMMToHours(std::string_view text) {
    const std::optional<int> hhmm = ParseInteger(text);
    if (!hhmm || *hhmm < 0)
        return std::nullopt;
    return *hhmm / 100 + (*hhmm % 100) / 60.0;
}

CheckResult CheckTimeOfDay(std::string_view text) {
    const std::optional<int> number = ParseInteger(text);
    if (number && IsValidHHMM(text) && *number >= 0 && *number <= 2359)
        return {true, {}};
    return {false, ErrorMessage("Please enter a four-digit time between 0000 and 2359.")};
}

TextCheck CheckSolarIndex(std::string_view text, bool sunspotPrimary) {
    TextCheck result;
    result.text = std::string(text);
    if (text.empty()) {
        result.message = ErrorMessage("You must enter a solar flux or sunspot number");
        return result;
    }
    const bool sunspots = text.front() == 'S' || (sunspotPrimary && text.front() != 'F');
    std::string_view rest = text;
    if (rest.front() == 'S' || rest.front() == 'F')
        rest.remove_prefix(1);
    const std::optional<double> number = ParseDecimal(rest, false);
    if (number) {
        const double value = RoundToShown(*number, 1);
        if (sunspots ? value <= 360.0 : (value >= 60.0 && value <= 410.0)) {
            result.ok = true;
            result.text = FormatFixed(value, 0, 1);
            result.text.insert(result.text.begin(), sunspots ? 'S' : 'F');
            return result;
        }
    }
    result.message = ErrorMessage(sunspots ? "Sunspot number must be between 0 and 360"
                                           : "Solar flux must be between 60 and 410");
    return result;
}

TextCheck CheckKIndex(std::string_view text) {
    TextCheck result;
    result.text = std::string(text);
    if (text.empty()) {
        result.ok = true;
        return result;
    }
    const std::optional<int> k = ParseInteger(text);
    if (k && *k >= -1 && *k <= 9) {
        result.ok = true;
        result.text = std::to_string(*k);
        return result;
    }
    result.message = ErrorMessage(
        "Please enter a K index between 0 and 9 (or leave blank or enter -1 if you want "
        "the calculations to use an average K index).");
    return result;
}

std::string SolarIndexHint(bool sunspotPrimary) {
    return sunspotPrimary ? "Enter sunspot number (or \"F\" + solar flux value)"
                          : "Enter solar flux value (or \"S\" + sunspot number)";
}

std::string KIndexHint() {
    return "Enter a K index between 0 and 9 (or leave blank or enter -1 for an average K index)";
}
