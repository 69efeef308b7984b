#pragma once

// The fixed-mask editing of the date field: the text always has 8 characters, digits
// or underscores at positions 0-1, 3-4, 6-7 and the date separator at 2 and 5;
// typing overwrites. Plain functions over the text and the caret, so the rules are
// tested without a window.

#include <string>

/// The text and the caret after an edit (caret 0..8).
struct DateMaskState {
    std::string text;
    int caret = 0;
    bool operator==(const DateMaskState&) const = default;
};

/// `text` made exactly 8 characters by the blank mask: a text of another length
/// (which typing cannot produce) becomes the blank mask itself.
std::string FitDateMask(const std::string& text, const std::string& blankMask);

/// Delete: the characters [selStart, selEnd) — or, without a selection, the one after
/// the caret — are replaced by the blank mask's characters; the caret stays at
/// selStart (or where it was).
DateMaskState DateMaskDelete(const std::string& text, int caret, int selStart, int selEnd,
                             const std::string& blankMask);

/// Backspace: with a selection the selection is blanked; without one, the caret
/// moves back one position (two when that position holds a separator) and that
/// character is blanked; at the start nothing happens.
DateMaskState DateMaskBackspace(const std::string& text, int caret, int selStart, int selEnd,
                                const std::string& blankMask);

/// Typing a digit or the separator: ignored at the end of the field; a separator is
/// accepted only where the mask has a separator and a digit only where it has not.
/// Accepted: the selection is blanked, the character at the caret (the selection's
/// start) is replaced and the caret advances, jumping over a following separator.
/// Any other character changes nothing.
DateMaskState DateMaskType(const std::string& text, int caret, int selStart, int selEnd, char typed,
                           const std::string& blankMask);
