#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "atlas/Atlas.h"
#include "cli/ArgList.h"
#include "cli/SettingOverrides.h"
#include "core/Terminal.h"
#include "settings/Settings.h"

/// The atlas of the data directory, read without creating or changing any file: the
/// atlas file when there is one, otherwise the built-in places. Read on first use.
class ReadOnlyAtlas {
public:
    explicit ReadOnlyAtlas(std::filesystem::path dataDir) : m_dataDir(std::move(dataDir)) {}
    const Atlas& Get();

private:
    std::filesystem::path m_dataDir;
    Atlas m_atlas;
    bool m_loaded = false;
};

/// Terminal `letter` from --X (a prefix of the atlas, a locator or DEFAULT) or from
/// --X-lat/--X-lon, with --X-name; the options are taken out of `args`. The texts are
/// filled in, the reals are left for ComputePathGeometry. On a refusal the program's
/// message on one line, status 1.
std::optional<ArgFailure> ReadAtlasTerminal(ArgList& args, const std::string& letter,
                                            const Settings& settings, ReadOnlyAtlas& atlas,
                                            Terminal& terminal);
