#include "app/Startup.h"

#include "appstate/AppState.h"
#include "atlas/AtlasFile.h"
#include "atlas/CountryFile.h"
#include "core/DataDirectory.h"
#include "core/ReplaceFile.h"
#include "settings/DefaultTerminal.h"
#include "settings/SettingsFile.h"
#include "widgets/QtText.h"

#include <QCoreApplication>

CommandLineOptions ParseCommandLine(const QStringList& arguments) {
    CommandLineOptions options;
    if (!arguments.isEmpty() &&
        arguments.first().compare(QStringLiteral("/b"), Qt::CaseInsensitive) == 0)
        options.suppressSplash = true;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--data-dir")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                options.error = QStringLiteral("--data-dir needs the name of a folder");
                return options;
            }
            options.dataDir = S(arguments.at(++i));
        } else if (argument.startsWith(QLatin1String("--data-dir="))) {
            const QString dir = argument.mid(QStringLiteral("--data-dir=").size());
            if (dir.isEmpty()) {
                options.error = QStringLiteral("--data-dir needs the name of a folder");
                return options;
            }
            options.dataDir = S(dir);
        }
    }
    return options;
}

void LoadAppState(AppState& state, const std::filesystem::path& dataDir,
                  const DateConventions& dates, const ClockReading& clock) {
    state.Prediction = PredictionRecord{};
    state.DataDirectory = dataDir;
    RemoveStaleTemporaryFiles(dataDir);
    state.Dates = dates;
    state.UserSettings = LoadSettings(SettingsFilePath(dataDir)).settings;
    state.TimeZone = SetTimeZone(state.UserSettings.UseUtc, clock);
    ApplyStartupDefaultTerminal(state.UserSettings, state.Prediction.TerminalA);
    LoadAtlas(state.PlaceAtlas, dataDir, [] { QCoreApplication::processEvents(); });
    state.Countries = LoadCountryFile(dataDir, CountryFileCandidates(ProgramDirectory()));
}

FileWriteResult SaveAppStateAtExit(AppState& state) {
    FreeAtlas(state.PlaceAtlas);
    return SaveSettings(SettingsFilePath(state.DataDirectory), state.UserSettings);
}
