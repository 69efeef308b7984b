#include "cli/ArgList.h"
#include "cli/CommandErrors.h"
#include "cli/Commands.h"
#include "core/DataDirectory.h"
#include "core/Utf8Text.h"
#include "settings/Settings.h"
#include "settings/SettingsFile.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

constexpr const char* kSettingsUsage =
    "usage: hopscope-cli settings [--data-dir DIR]\n"
    "\n"
    "Prints the settings in effect: those of the settings file Hopscope.SAV in the data\n"
    "directory, or the factory settings when there is no sound file. Nothing is written.\n"
    "\n"
    "  --data-dir DIR   the folder of the data files (default: the per-user data folder,\n"
    "                   or the program's folder in a build tree or a portable folder)\n";

const char* SourceText(SettingsSource source) {
    switch (source) {
    case SettingsSource::File:
        return "read from the file";
    case SettingsSource::Converted:
        return "read from a file of the earlier 340-byte layout";
    case SettingsSource::MissingFile:
        return "no file: factory settings";
    case SettingsSource::ShortFile:
        return "file too short: factory settings";
    case SettingsSource::DamagedFile:
        return "file damaged: factory settings";
    case SettingsSource::ReadError:
        return "file unreadable: factory settings";
    }
    return "";
}

const char* NoiseName(int environment) {
    static const char* const names[] = {"Industrial", "Residential", "Rural", "Remote"};
    return environment >= 0 && environment < 4 ? names[environment] : "?";
}

const char* SuppressionName(int threshold) {
    static const char* const names[] = {"0 dB", "-10 dB", "-20 dB", "No suppression"};
    return threshold >= 0 && threshold < 4 ? names[threshold] : "?";
}

// The texts of a settings file are printed with their control characters as "?": a
// damaged or hostile file never moves the cursor or clears the terminal.
Settings Printable(Settings s) {
    for (std::string* text : {&s.DefaultLatitudeText, &s.DefaultLongitudeText, &s.DefaultName,
                              &s.NoiseBandwidthText, &s.MinRadiationAngleText})
        *text = WithoutControlCharacters(*text);
    for (FrequencyEntry& entry : s.Frequencies) {
        entry.FrequencyText = WithoutControlCharacters(entry.FrequencyText);
        entry.ConstantText = WithoutControlCharacters(entry.ConstantText);
    }
    return s;
}

void PrintSettings(const std::filesystem::path& file, const SettingsLoad& load) {
    const Settings s = Printable(load.settings);
    std::printf("Settings file:            %s (%s)\n", file.string().c_str(),
                SourceText(load.source));
    if (s.DefaultDefined)
        std::printf("Default terminal:         %s, %s  %s\n", s.DefaultLatitudeText.c_str(),
                    s.DefaultLongitudeText.c_str(), s.DefaultName.c_str());
    else
        std::printf("Default terminal:         not defined\n");
    std::printf("Frequencies:              %d\n", s.FrequencyCount);
    if (s.FrequencyCount > 0)
        std::printf("    MHz  Constant dB    Term dB  Absorption\n");
    for (int k = 0; k < s.FrequencyCount && k < kFrequencySlots; ++k)
        std::printf("  %5s  %11s  %9.3f  %10.4f\n", s.Frequencies[k].FrequencyText.c_str(),
                    s.Frequencies[k].ConstantText.c_str(), s.FrequencyTermDb[k],
                    s.AbsorptionFactor[k]);
    std::printf("Noise environment:        %s (constant %.1f dB, slope %.1f dB)\n",
                NoiseName(s.NoiseEnvironment), s.NoiseConstant, s.NoiseSlope);
    std::printf("Noise bandwidth:          %s Hz (%.2f dB)\n", s.NoiseBandwidthText.c_str(),
                s.BandwidthDb);
    std::printf("Suppression threshold:    %s", SuppressionName(s.SuppressionThreshold));
    if (s.SuppressionLevelDb != kNoSuppressionDb)
        std::printf(" (levels below %d dB relative to 0.5 µV)", s.SuppressionLevelDb);
    std::printf("\n");
    std::printf("Zero availability:        %s\n", s.ShowZeroAvailability ? "shown" : "suppressed");
    std::printf("Minimum radiation angle:  %s deg (%.6f rad)\n", s.MinRadiationAngleText.c_str(),
                s.MinRadiationAngleRad);
    std::printf("Solar index without S/F:  %s\n",
                s.SunspotPrimary ? "sunspot number" : "solar flux");
    std::printf("Times:                    %s\n", s.UseUtc ? "UTC" : "local time (ULT)");
    std::printf("Primary signal display:   %s\n", s.ShowSnr ? "S/N Ratios" : "Signal Levels");
    std::printf("Frequency map:            %s\n",
                s.HighResFreqMap ? "High (877 areas)" : "Low (57 areas)");
    std::printf("Map update interval:      %d minutes\n", s.MapUpdateMinutes);
    std::printf("No-default-terminal note: %s\n", s.NoDefaultMessageOff ? "off" : "on");
}

} // namespace

int RunSettingsCommand(const std::vector<std::string>& argList) {
    ArgList args(argList);
    if (args.Flag("help")) {
        std::fputs(kSettingsUsage, stdout);
        return 0;
    }
    const std::optional<std::string> dataDir = args.Value("data-dir");
    if (const auto problem = args.Problem())
        return ReportUsageError("settings", *problem, kSettingsUsage);
    const DataDirectoryResult dir = ResolveExistingDataDirectory(dataDir);
    if (!dir.Ok())
        return ReportRefusal("settings", dir.error);
    const std::filesystem::path file = SettingsFilePath(dir.directory);
    PrintSettings(file, ReadSettingsFile(file));
    return 0;
}
