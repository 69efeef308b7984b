#include "tests/p533/WorkedCase.h"

#include <cmath>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;
using namespace p533;

namespace {

// The fields of a CSV line, with double quotes around a field that holds commas.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else if (c != '\r')
            fields.back() += c;
    }
    return fields;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream s(text);
    for (std::string line; std::getline(s, line);)
        lines.push_back(line);
    return lines;
}

double Leading(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

std::vector<double> NumberList(const std::string& text) {
    std::vector<double> v;
    std::stringstream s(text);
    for (std::string item; std::getline(s, item, ',');)
        v.push_back(Leading(item));
    return v;
}

NoiseCategory Category(const std::string& name) {
    if (name == "CITY")
        return NoiseCategory::City;
    if (name == "RURAL")
        return NoiseCategory::Rural;
    if (name == "QUIETRURAL")
        return NoiseCategory::QuietRural;
    if (name == "QUIET")
        return NoiseCategory::Quiet;
    if (name == "NOISY")
        return NoiseCategory::Noisy;
    return NoiseCategory::Residential;
}

} // namespace

fs::path WorkedCaseFolder() {
    return fs::path(HOPSCOPE_SOURCE_DIR) / "tests" / "p533" / "data";
}

fs::path MethodDataFolder() {
    return fs::path(HOPSCOPE_SOURCE_DIR) / "p533" / "data";
}

std::string ReadTextFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const PredictionData& MethodData() {
    static const DataLoad load = LoadPredictionData(MethodDataFolder());
    if (!load.data)
        throw std::runtime_error(load.error);
    return *load.data;
}

bool Comparison::Agrees() const {
    if (!expectedText.empty() || !actualText.empty())
        return expectedText == actualText;
    return std::abs(expected - actual) <= tolerance;
}

WorkedCase LoadWorkedCase(const fs::path& folder, const std::string& name) {
    WorkedCase c;
    c.name = name;
    std::map<std::string, std::string> in;
    const std::string inputs = ReadTextFile(folder / (name + "_inputs.csv"));
    const std::string expected = ReadTextFile(folder / (name + "_expected.csv"));
    if (inputs.empty() || expected.empty()) {
        c.error = "cannot read the files of " + name;
        return c;
    }
    for (const std::string& line : Lines(inputs)) {
        const std::vector<std::string> f = CsvFields(line);
        if (f.size() >= 2 && !f[0].empty())
            in[f[0]] = f[1]; // a repeated parameter: the last one counts
    }
    CircuitRequest& r = c.request;
    r.transmitter = {Leading(in["Path.L_tx.lat"]), Leading(in["Path.L_tx.lng"])};
    // The receiver is the receiver grid's single point (LL), which can differ from Path.L_rx.
    const std::string latKey = in.count("LL.lat") ? "LL" : "SE";
    r.receiver = {Leading(in[latKey + ".lat"]), Leading(in[latKey + ".lng"])};
    const Place pathRx{Leading(in["Path.L_rx.lat"]), Leading(in["Path.L_rx.lng"])};
    r.month = static_cast<int>(Leading(in["Path.month"]));
    r.hoursUtc = NumberList(in["Path.hour"]);
    r.r12 = Leading(in["Path.SSN"]);
    r.frequenciesMHz = NumberList(in["Path.frequency"]);
    r.transmitPowerDbkW = in.count("Path.txpower") ? Leading(in["Path.txpower"]) : 0.0;
    r.bandwidthHz = Leading(in["Path.BW"]);
    r.requiredSnrDb = Leading(in["Path.SNRr"]);
    r.requiredReliabilityPercent = in.count("Path.SNRXXp") ? Leading(in["Path.SNRXXp"]) : 99.0;
    r.manMadeNoise.category = Category(in["Path.ManMadeNoise"]);
    r.longPath = in["Path.SorL"] == "LONGPATH";
    r.options = Options::ReferenceCompatible();
    const bool alongPath = in["AntennaOrientation"] == "TX2RX";
    for (int end = 0; end < 2; ++end) {
        const std::string prefix = end == 0 ? "TX" : "RX";
        Antenna& a = end == 0 ? r.transmitAntenna : r.receiveAntenna;
        a.gainDbi = Leading(in[prefix + "GOS"]);
        const std::string file = in[prefix + "AntFilePath"];
        if (file != "ISOTROPIC") {
            const PatternRead read = ReadAntennaPatternFile(folder / fs::path(file).filename());
            if (!read.pattern) {
                c.error = read.error;
                return c;
            }
            a.pattern = read.pattern;
        }
        if (!alongPath) {
            a.mainBeamDeg = Leading(in[prefix + "Bearing"]);
        } else if (end == 1) {
            // The reference aims the receiving antenna from Path.L_rx, not the grid point.
            const double la1 = pathRx.latDeg * M_PI / 180, lo1 = pathRx.lonEastDeg * M_PI / 180;
            const double la2 = r.transmitter.latDeg * M_PI / 180;
            const double lo2 = r.transmitter.lonEastDeg * M_PI / 180;
            const double b = std::atan2(std::sin(lo2 - lo1) * std::cos(la2),
                                        std::cos(la1) * std::sin(la2) -
                                            std::sin(la1) * std::cos(la2) * std::cos(lo2 - lo1));
            a.mainBeamDeg = std::fmod(b * 180 / M_PI + 360.0, 360.0);
        }
    }

    const std::vector<std::string> lines = Lines(expected);
    const std::vector<std::string> header = CsvFields(lines.at(0));
    const bool dump = header.size() == 5 && header[0] == "hour_utc";
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> f = CsvFields(lines[i]);
        if (f.size() < 2)
            continue;
        if (dump) {
            // Angles in radians carry their degrees first in the note.
            const bool degrees = f[2] == "Latitude" || f[2] == "Longitude";
            c.dump[{std::stoi(f[0]), f[1], f[2]}] = degrees ? f[4] : f[3];
        } else {
            std::map<std::string, std::string> row;
            for (std::size_t k = 0; k < f.size() && k < header.size(); ++k)
                row[header[k]] = f[k];
            c.rows.push_back(row);
        }
    }
    return c;
}
