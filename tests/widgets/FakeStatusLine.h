#pragma once

// A status line for window tests: remembers the last hint and counts the resets.

#include "widgets/StatusLine.h"

class FakeStatusLine final : public StatusLine {
public:
    void SetStatusHint(const QString& text) override { hint = text; }
    void ResetStatusLine() override {
        hint.clear();
        ++resets;
    }
    void HideStatusLine() override {}
    void HideMenus() override {}
    void RestoreMainWindow() override {}

    QString hint;
    int resets = 0;
};
