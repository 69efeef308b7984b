#include "core/DateMask.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr int kLength = 8;

bool IsSeparatorPosition(const std::string& blankMask, int position) {
    return position >= 0 && position < kLength && blankMask[position] != '_';
}

void Blank(std::string& text, int from, int to, const std::string& blankMask) {
    from = std::clamp(from, 0, kLength);
    to = std::clamp(to, 0, kLength);
    for (int i = from; i < to; ++i)
        text[i] = blankMask[i];
}

} // namespace

std::string FitDateMask(const std::string& text, const std::string& blankMask) {
    return static_cast<int>(text.size()) == kLength ? text : blankMask;
}

DateMaskState DateMaskDelete(const std::string& text, int caret, int selStart, int selEnd,
                             const std::string& blankMask) {
    DateMaskState state{FitDateMask(text, blankMask), std::clamp(caret, 0, kLength)};
    if (selEnd > selStart) {
        Blank(state.text, selStart, selEnd, blankMask);
        state.caret = std::clamp(selStart, 0, kLength);
    } else {
        Blank(state.text, state.caret, state.caret + 1, blankMask);
    }
    return state;
}

DateMaskState DateMaskBackspace(const std::string& text, int caret, int selStart, int selEnd,
                                const std::string& blankMask) {
    DateMaskState state{FitDateMask(text, blankMask), std::clamp(caret, 0, kLength)};
    if (selEnd > selStart) {
        Blank(state.text, selStart, selEnd, blankMask);
        state.caret = std::clamp(selStart, 0, kLength);
        return state;
    }
    if (state.caret == 0)
        return state;
    int position = state.caret - 1;
    if (IsSeparatorPosition(blankMask, position))
        --position;
    if (position < 0)
        return state;
    Blank(state.text, position, position + 1, blankMask);
    state.caret = position;
    return state;
}

DateMaskState DateMaskType(const std::string& text, int caret, int selStart, int selEnd, char typed,
                           const std::string& blankMask) {
    DateMaskState state{FitDateMask(text, blankMask), std::clamp(caret, 0, kLength)};
    const bool hasSelection = selEnd > selStart;
    const int position = hasSelection ? std::clamp(selStart, 0, kLength) : state.caret;
    if (position >= kLength)
        return state;
    const bool isDigit = std::isdigit(static_cast<unsigned char>(typed)) != 0;
    const bool isSeparator = !isDigit && typed == blankMask[2];
    if (!isDigit && !isSeparator)
        return state;
    if (isSeparator != IsSeparatorPosition(blankMask, position))
        return state;
    if (hasSelection)
        Blank(state.text, selStart, selEnd, blankMask);
    state.text[position] = typed;
    int next = position + 1;
    if (IsSeparatorPosition(blankMask, next))
        ++next;
    state.caret = std::min(next, kLength);
    return state;
}
