#include "p533/PredictionData.h"

#include "core/DataDirectory.h"
#include "core/ReadFile.h"
#include "p533/CoefficientFile.h"

#include <system_error>

namespace fs = std::filesystem;

namespace p533 {

namespace {

// The largest file the data may hold (a coefficient file has 235 kB).
constexpr std::size_t kMaxDataFileBytes = 1 << 20;

std::string CoefficientFileName(int month) {
    const std::string number = std::to_string(month);
    return "COEFF" + std::string(number.size() < 2 ? "0" : "") + number + "W.txt";
}

// Reads one file and hands its text to `parse`; "" or the message naming the file.
template <typename Parse>
std::string ReadDataFile(const fs::path& folder, const std::string& name, Parse parse) {
    const fs::path path = folder / name;
    const FileReadResult read = ReadFilePart(path, 0, kMaxDataFileBytes + 1);
    if (!read)
        return path.string() + ": " + read.error;
    if (read.fileSize > kMaxDataFileBytes)
        return path.string() + ": the file is larger than a data file of the method can be";
    const std::string problem = parse(std::string_view(read.bytes));
    return problem.empty() ? problem : path.string() + ": " + problem;
}

} // namespace

Options Options::ReferenceCompatible() {
    Options o;
    o.hourIndexTimes = true;
    o.decilesAtUtc = true;
    o.mirrorHeightWithoutXrTerm = true;
    o.polarWinterAsReference = true;
    o.operationalMufLowPowerRow = true;
    o.dayWithoutWrap = true;
    o.elevationOfBestGain = true;
    o.mirroredMapGrid = true;
    o.fourPointReflectionSet = true;
    o.signedGeomagneticTest = true;
    o.truncatedAntennaRotation = true;
    return o;
}

std::string CheckCoefficientText(std::string_view text, std::string_view fileName) {
    auto month = std::make_unique<MonthCoefficients>();
    const std::string problem = ParseCoefficientFile(text, *month);
    return problem.empty() ? problem : std::string(fileName) + ": " + problem;
}

DataLoad LoadPredictionData(const fs::path& folder) {
    auto data = std::make_shared<PredictionData>();
    std::string problem;
    for (int m = 1; m <= 12 && problem.empty(); ++m)
        problem = ReadDataFile(folder, CoefficientFileName(m), [&](std::string_view text) {
            return ParseCoefficientFile(text, data->months[m - 1]);
        });
    if (problem.empty())
        problem = ReadDataFile(folder, "P1239-3 Decile Factors.txt", [&](std::string_view text) {
            return ParseDecileTables(text, data->deciles);
        });
    if (problem.empty())
        problem = ReadDataFile(folder, "magnetic_field_P1239.csv", [&](std::string_view text) {
            return ParseMagneticModel(text, data->field);
        });
    if (problem.empty())
        problem = ReadDataFile(folder, "absorption_ATnoon.csv", [&](std::string_view text) {
            return ParseAtNoon(text, data->absorption);
        });
    if (problem.empty())
        problem = ReadDataFile(folder, "absorption_p_exponent.csv", [&](std::string_view text) {
            return ParseExponents(text, data->absorption);
        });
    if (problem.empty())
        problem = ReadDataFile(folder, "Lh_auroral_loss.csv", [&](std::string_view text) {
            return ParseAuroralTable(text, data->auroral);
        });
    if (!problem.empty())
        return {nullptr, problem};
    return {std::move(data), {}};
}

std::vector<fs::path> DataFolderCandidates(const fs::path& programDir) {
    if (programDir.empty())
        return {};
    return {programDir / "p533",
            (programDir / ".." / "share" / "hopscope" / "p533").lexically_normal()};
}

fs::path FindDataFolder() {
    for (const fs::path& folder : DataFolderCandidates(ProgramDirectory())) {
        std::error_code ec;
        if (fs::is_regular_file(folder / "COEFF01W.txt", ec))
            return folder;
    }
    return {};
}

} // namespace p533
