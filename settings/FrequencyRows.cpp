#include "settings/FrequencyRows.h"

#include <algorithm>

namespace {

std::string WithoutLeadingBlank(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    return std::string(text);
}

std::string Cut(std::string text, std::size_t capacity) {
    if (text.size() > capacity)
        text.resize(capacity);
    return text;
}

} // namespace

std::string FrequencyRowText(std::string_view frequencyText) {
    const std::string text = WithoutLeadingBlank(frequencyText);
    return text.size() == 3 ? " " + text : text;
}

FrequencyRows RowsFromSettings(const Settings& settings) {
    FrequencyRows rows;
    const int count = std::clamp(settings.FrequencyCount, 0, kFrequencySlots);
    for (int k = 0; k < count; ++k) {
        rows.frequencies.push_back(FrequencyRowText(settings.Frequencies[k].FrequencyText));
        rows.constants.push_back(settings.Frequencies[k].ConstantText);
    }
    return rows;
}

AddedRow AddFrequencyRow(FrequencyRows& rows, std::string_view typedText) {
    AddedRow added;
    const std::string text = FrequencyRowText(typedText);
    const auto place = std::lower_bound(rows.frequencies.begin(), rows.frequencies.end(), text);
    if (place != rows.frequencies.end() && *place == text) {
        added.message = ErrorMessage(std::string(typedText) + " MHz is a duplicate frequency");
        return added;
    }
    if (rows.count() >= kFrequencySlots) {
        added.message = ErrorMessage("No more than " + std::to_string(kFrequencySlots) +
                                     " frequencies can be listed");
        return added;
    }
    const auto row = place - rows.frequencies.begin();
    rows.frequencies.insert(place, text);
    rows.constants.insert(rows.constants.begin() + row, "0.0");
    added.ok = true;
    added.row = static_cast<int>(row);
    return added;
}

int DeleteFrequencyRow(FrequencyRows& rows, int row) {
    if (row < 0 || row >= rows.count())
        return rows.count() > 0 ? std::min(std::max(row, 0), rows.count() - 1) : -1;
    rows.frequencies.erase(rows.frequencies.begin() + row);
    rows.constants.erase(rows.constants.begin() + row);
    if (rows.count() == 0)
        return -1;
    return std::min(row, rows.count() - 1);
}

std::string DeleteButtonCaption(const FrequencyRows& rows, int selected) {
    if (selected < 0 || selected >= rows.count())
        return "Delete Frequency";
    return "Delete " + WithoutLeadingBlank(rows.frequencies[selected]) + " MHz";
}

void WriteFrequencyRows(const FrequencyRows& rows, Settings& settings) {
    const int count = std::min(rows.count(), kFrequencySlots);
    settings.FrequencyCount = count;
    for (int k = 0; k < kFrequencySlots; ++k) {
        if (k < count) {
            settings.Frequencies[k].FrequencyText =
                Cut(WithoutLeadingBlank(rows.frequencies[k]), kFrequencyTextCapacity);
            settings.Frequencies[k].ConstantText = Cut(rows.constants[k], kConstantTextCapacity);
        } else {
            settings.Frequencies[k] = FrequencyEntry{};
        }
    }
}
