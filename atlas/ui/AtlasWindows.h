#pragma once

struct Atlas;
struct Settings;
class QWidget;
class StatusLine;

// The atlas windows as the main window opens them: each is created, shown modally
// and destroyed. The caller has checked the atlas with AtlasStatus first.

void OpenAtlasView(const Atlas& atlas, StatusLine* statusLine, QWidget* parent);
/// Refuses an atlas file that exists but could not be read (adding would replace it
/// with the one new entry) with the "not found or corrupt" message.
void OpenAtlasAdd(Atlas& atlas, StatusLine* statusLine, QWidget* parent);
void OpenAtlasModify(Atlas& atlas, StatusLine* statusLine, QWidget* parent);
void OpenAtlasDelete(Atlas& atlas, StatusLine* statusLine, QWidget* parent);
void OpenPrintBearings(const Atlas& atlas, const Settings& settings, StatusLine* statusLine,
                       QWidget* parent);
