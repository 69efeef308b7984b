#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

struct Atlas;
class StatusLine;

/// Lets the user choose one atlas entry: its prefix, or nothing when cancelled.
using AtlasEntryPicker = std::function<std::optional<std::string>(QWidget* parent)>;

/// The picker that opens the "Search Atlas" window (TPrefixSearchForm) over `atlas`.
AtlasEntryPicker PrefixSearchFormPicker(const Atlas& atlas, StatusLine* statusLine);
