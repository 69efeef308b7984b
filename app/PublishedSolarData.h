#pragma once

#include "widgets/SolarDataButton.h"

#include <filesystem>

/// The Solar Data buttons' source: the figures of the files the solar preferences of
/// `dataDir` name (their server), fetched with their copies kept in `dataDir`, and the
/// summary of where they came from with what went wrong on the way. The preferences
/// are read at each use, so a change in Options applies to the next dialog.
SolarDataSource PublishedSolarData(const std::filesystem::path& dataDir);
