#pragma once

#include <functional>
#include <optional>
#include <string>

class QWidget;

/// Lets the user choose one atlas entry: its prefix, or nothing when cancelled. The
/// program hands one to every window that offers "Select from &Atlas".
using AtlasPicker = std::function<std::optional<std::string>(QWidget* parent)>;
