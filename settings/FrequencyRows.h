#pragma once

// The frequency list of the Options window as rows of text: what the two lists show,
// how a frequency is added, deleted and written back into the settings. Plain
// functions, so the rules are tested without the window.

#include "core/UserMessage.h"
#include "settings/Settings.h"

#include <string>
#include <string_view>
#include <vector>

/// Row k of both lists is frequency entry k. Frequencies below 10 MHz carry one
/// leading blank (" 3.6"), so that the rows, kept in text order, are in ascending
/// frequency order.
struct FrequencyRows {
    std::vector<std::string> frequencies;
    std::vector<std::string> constants;
    int count() const { return static_cast<int>(frequencies.size()); }
};

/// The text of a frequency row: a 3-character frequency gets a leading blank.
std::string FrequencyRowText(std::string_view frequencyText);

/// The rows of the settings' frequency list.
FrequencyRows RowsFromSettings(const Settings& settings);

/// The outcome of adding a frequency: the row it went to, or the refusal.
struct AddedRow {
    bool ok = false;
    int row = -1;
    UserMessage message;
};

/// Adds the frequency `typedText` (already normalized to one decimal, e.g. "3.0" or
/// "14.1") with the constant "0.0" at its place in text order. A frequency already
/// listed is refused with typedText + " MHz is a duplicate frequency" (alert, error);
/// so is an eleventh one.
AddedRow AddFrequencyRow(FrequencyRows& rows, std::string_view typedText);

/// Removes row `row` of both lists and returns the row selected afterwards: the same
/// index, or the new last row, or −1 when the lists are empty.
int DeleteFrequencyRow(FrequencyRows& rows, int row);

/// "Delete " + the selected frequency without its leading blank + " MHz", or "Delete
/// Frequency" when the list is empty (or nothing is selected).
std::string DeleteButtonCaption(const FrequencyRows& rows, int selected);

/// Writes the rows into the settings: frequency texts without the leading blank, cut
/// to 4 characters, constants cut to 5, FrequencyCount = the number of rows, the
/// remaining entries empty.
void WriteFrequencyRows(const FrequencyRows& rows, Settings& settings);
