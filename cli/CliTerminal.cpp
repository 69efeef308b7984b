#include "cli/CliTerminal.h"

#include <vector>

#include "atlas/AtlasFile.h"
#include "atlas/BuiltInAtlas.h"
#include "cli/TerminalArgs.h"
#include "core/DataDirectory.h"
#include "core/Syntax.h"
#include "core/UserMessage.h"
#include "settings/DefaultTerminal.h"

namespace fs = std::filesystem;

namespace {

ArgFailure Refused(const UserMessage& message) {
    return {OneLineText(message), 1};
}

} // namespace

const Atlas& ReadOnlyAtlas::Get() {
    if (!m_loaded) {
        m_loaded = true;
        std::error_code ec;
        if (fs::exists(m_dataDir / kAtlasFileName, ec)) {
            LoadAtlas(m_atlas, m_dataDir); // the file exists, so this only reads it
        } else {
            m_atlas.Entries = BuiltInAtlasEntries();
            m_atlas.Count = static_cast<std::int32_t>(m_atlas.Entries.size());
            BuildAtlasIndexes(m_atlas);
        }
    }
    return m_atlas;
}

std::optional<ArgFailure> ReadAtlasTerminal(ArgList& args, const std::string& letter,
                                            const Settings& settings, ReadOnlyAtlas& atlas,
                                            Terminal& terminal) {
    const std::optional<std::string> given = args.Value(letter);
    const std::optional<std::string> lat = args.Value(letter + "-lat");
    const std::optional<std::string> lon = args.Value(letter + "-lon");
    const std::optional<std::string> name = args.Value(letter + "-name");

    if (given && !lat && !lon) {
        const std::string text = AtlasUpperCase(*given);
        if (text == kDefaultPrefix || text.empty()) {
            if (!settings.DefaultDefined)
                return Refused(ErrorMessage(
                    "The default terminal is not available until it is defined. Choose\r"
                    "Options from the Hopscope Main Menu Bar to define the default terminal."));
            terminal = DefaultTerminal(settings);
            return std::nullopt;
        }
        if (const std::optional<AtlasEntry> entry = FindAtlasEntry(atlas.Get(), text)) {
            terminal = {};
            terminal.Prefix = CutText(text, kPrefixCapacity);
            terminal.LatitudeText = entry->Latitude();
            terminal.LongitudeText = entry->Longitude();
            terminal.Name = name ? CutText(*name, kNameCapacity) : entry->Name();
            return std::nullopt;
        }
        if (!GridLocatorToCoordinates(text, false))
            return Refused(
                ErrorMessage(*given + " not found in atlas\rand not a valid grid locator"));
    }
    // A locator or coordinates typed by hand: read as the terminal options read them.
    std::vector<std::string> own;
    const auto add = [&](const std::string& option, const std::optional<std::string>& value) {
        if (value) {
            own.push_back("--" + option);
            own.push_back(*value);
        }
    };
    add(letter, given);
    add(letter + "-lat", lat);
    add(letter + "-lon", lon);
    add(letter + "-name", name);
    ArgList terminalArgs(own);
    const TerminalArgs read = ReadTerminalArgs(terminalArgs, letter);
    if (!read.ok)
        return ArgFailure{TerminalArgsProblem(read), 1};
    terminal = read.terminal;
    return std::nullopt;
}
