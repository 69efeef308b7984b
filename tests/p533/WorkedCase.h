#pragma once

#include "p533/CircuitPrediction.h"

#include <filesystem>
#include <map>
#include <string>
#include <tuple>
#include <vector>

// The worked examples of the method's reference program (tests/p533/data): their
// inputs as a request and every listed result paired with the engine's value.

/// One worked example read from NAME_inputs.csv and NAME_expected.csv.
struct WorkedCase {
    std::string name;
    p533::CircuitRequest request;
    /// Report-type rows: column header → value, one map per (hour, frequency) row.
    std::vector<std::map<std::string, std::string>> rows;
    /// Dump-type lines: (hour, block, quantity) → value text.
    std::map<std::tuple<int, std::string, std::string>, std::string> dump;
    std::string error; ///< empty when read
};

/// Reads the case `name` from `folder` (antenna files from the same folder).
WorkedCase LoadWorkedCase(const std::filesystem::path& folder, const std::string& name);

/// One listed value beside the engine's.
struct Comparison {
    std::string what; ///< "h2 F2 Mode 3 basic MUF"
    double expected = 0.0;
    double actual = 0.0;
    double tolerance = 0.0;
    std::string quantity;     ///< the kind of value, for summaries ("foF2", "MUF", "S/N" …)
    std::string expectedText; ///< for a text (the dominant mode): both texts, compared as such
    std::string actualText;
    bool Agrees() const;
};

/// Every value the case lists that the engine computes, paired with the engine's value.
std::vector<Comparison> CompareWorkedCase(const WorkedCase& c, const p533::CircuitResult& result);

/// The folder of the worked examples and of the method's data in the source tree.
std::filesystem::path WorkedCaseFolder();
std::filesystem::path MethodDataFolder();

/// The method's data read once from MethodDataFolder() (a test that cannot have it
/// stops with the reason).
const p533::PredictionData& MethodData();

/// The whole of a file as text ("" when it cannot be read).
std::string ReadTextFile(const std::filesystem::path& path);
