#include "p533/CoefficientFile.h"

#include "p533/TextScan.h"

#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace p533 {

namespace {

// A block the method reads: its name, dimensions and where its values go.
struct WantedBlock {
    const char* name;
    std::vector<int> dims;
    std::span<double> values; // empty for the checked integer headers
    std::vector<int> expected;
    bool seen = false;
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string LineText(std::size_t index) {
    return "line " + std::to_string(index + 1);
}

// "xf2(13,76,2)" → name and dimensions; nullopt when the line is not a block header.
std::optional<std::pair<std::string_view, std::vector<int>>> ReadHeader(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (line.empty() || !IsLetter(line.front()))
        return std::nullopt;
    const std::size_t open = line.find('(');
    if (open == std::string_view::npos || line.back() != ')')
        return std::nullopt;
    std::vector<int> dims;
    std::string_view inside = line.substr(open + 1, line.size() - open - 2);
    for (std::string_view field : SplitFields(inside)) {
        const std::optional<double> v = ReadNumber(field);
        if (!v || *v < 1.0 || *v > 100000.0 || *v != std::floor(*v) || dims.size() >= 4)
            return std::nullopt;
        dims.push_back(static_cast<int>(*v));
    }
    return std::make_pair(line.substr(0, open), dims);
}

bool IsEndOfFile(std::string_view line) {
    for (char c : line)
        if (c != '\x1a' && c != ' ' && c != '\t')
            return false;
    return true;
}

} // namespace

std::string ParseCoefficientFile(std::string_view text, MonthCoefficients& out) {
    std::vector<WantedBlock> wanted;
    wanted.push_back({"if2", {10}, {}, {11, 35, 53, 63, 67, 69, 71, 73, 75, 6}});
    wanted.push_back({"xf2", {13, 76, 2}, out.xf2, {}});
    wanted.push_back({"ifm3", {10}, {}, {6, 22, 34, 40, 44, 46, 48, 48, 48, 4}});
    wanted.push_back({"xfm3", {9, 49, 2}, out.xfm3, {}});
    wanted.push_back({"fakp", {29, 16, 6}, out.fakp, {}});
    wanted.push_back({"fakabp", {2, 6}, out.fakabp, {}});
    wanted.push_back({"dud", {5, 12, 5}, out.dud, {}});
    wanted.push_back({"fam", {14, 12}, out.fam, {}});

    const std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty())
        return "the file is empty";
    std::size_t i = 1; // line 1 is the title
    while (i < lines.size()) {
        if (IsEndOfFile(lines[i])) {
            ++i;
            continue;
        }
        const auto header = ReadHeader(lines[i]);
        if (!header)
            return LineText(i) + ": a block header such as \"xf2(13,76,2)\" expected";
        const std::size_t headerLine = i++;
        WantedBlock* block = nullptr;
        for (WantedBlock& w : wanted)
            if (header->first == w.name)
                block = &w;
        if (!block) { // a block the method does not use: its values are skipped
            while (i < lines.size() && !ReadHeader(lines[i]))
                ++i;
            continue;
        }
        if (header->second != block->dims)
            return LineText(headerLine) + ": " + block->name + " has other dimensions";
        if (block->seen)
            return LineText(headerLine) + ": " + block->name + " appears twice";
        block->seen = true;
        std::size_t count = 1;
        for (int d : block->dims)
            count *= static_cast<std::size_t>(d);
        std::size_t n = 0;
        for (; i < lines.size() && !IsEndOfFile(lines[i]) && !ReadHeader(lines[i]); ++i) {
            NumberScanner scan(lines[i]);
            while (!scan.AtEnd()) {
                const std::optional<double> v = scan.Next();
                if (!v || std::abs(*v) > 1e7)
                    return LineText(i) + ": not a number of the block " + block->name;
                if (n >= count)
                    return LineText(i) + ": " + block->name + " has more than " +
                           std::to_string(count) + " values";
                if (block->values.empty()) {
                    if (*v != block->expected[n])
                        return LineText(i) + ": " + block->name +
                               " does not describe the maps' terms";
                } else {
                    block->values[n] = *v;
                }
                ++n;
            }
        }
        if (n != count)
            return LineText(headerLine) + ": " + block->name + " has " + std::to_string(n) +
                   " values, not " + std::to_string(count);
    }
    for (const WantedBlock& w : wanted)
        if (!w.seen)
            return std::string("the block ") + w.name + " is missing";
    return {};
}

} // namespace p533
