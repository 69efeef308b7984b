// The command line's argument parsing: the input is split at zero bytes into
// arguments, then read as predict and path read them (both terminals resolved against
// the built-in atlas, the date, the setting overrides).

#include "atlas/Atlas.h"
#include "atlas/BuiltInAtlas.h"
#include "cli/ArgList.h"
#include "cli/IsoDate.h"
#include "cli/SettingOverrides.h"
#include "cli/TerminalArgs.h"
#include "core/Utf8Text.h"
#include "settings/Settings.h"
#include "tests/fuzz/FuzzArguments.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const Atlas& PlaceAtlas() {
    static const Atlas atlas = AtlasOf(BuiltInAtlasEntries());
    return atlas;
}

void CheckTerminal(const TerminalOptions& options, bool validInput) {
    if (!options.usageProblem.empty())
        return;
    static const Settings settings = FactorySettings();
    const TerminalArgs read = ResolveTerminalOptions(options, &PlaceAtlas(), settings);
    if (!read.ok) {
        FUZZ_CHECK(!read.problem.empty());
        return;
    }
    const Terminal& t = read.terminal;
    FUZZ_CHECK(t.Prefix.size() <= kPrefixCapacity);
    FUZZ_CHECK(t.LatitudeText.size() <= kLatitudeTextCapacity);
    FUZZ_CHECK(t.LongitudeText.size() <= kLongitudeTextCapacity);
    FUZZ_CHECK(t.Name.size() <= kNameCapacity);
    // A cut never leaves half a character of a name that was valid UTF-8.
    if (validInput)
        FUZZ_CHECK(ToValidUtf8(t.Name) == t.Name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words = ArgumentsOf(data, size);
    const std::string raw(reinterpret_cast<const char*>(data), size);
    const bool validInput = ToValidUtf8(raw) == raw;
    ArgList args(words);
    CheckTerminal(TakeTerminalOptions(args, "a"), validInput);
    CheckTerminal(TakeTerminalOptions(args, "b"), validInput);
    if (const std::optional<std::string> date = args.Value("date"))
        ParseIsoDate(*date);
    const SettingOverrides overrides = TakeOverrides(args);
    Settings settings = FactorySettings();
    if (!ApplyOverrides(overrides, settings)) {
        FUZZ_CHECK(settings.FrequencyCount >= 0 && settings.FrequencyCount <= kFrequencySlots);
        for (int k = 0; k < settings.FrequencyCount; ++k)
            FUZZ_CHECK(settings.FrequencyMHz[k] >= 3.0f && settings.FrequencyMHz[k] <= 30.0f);
    }
    args.Positionals();
    args.Problem();
    return 0;
}
