#pragma once

// The help context of every window: the number of the help page that F1 opens there
// (app/help names its context in each page).

inline constexpr int kPredictionDialogHelpContext = 3;
inline constexpr int kMainHelpContext = 5;
inline constexpr int kOptionsHelpContext = 21;
inline constexpr int kOptionsPageHelpContexts[] = {22, 23, 24, 25};
inline constexpr int kNoDefaultTerminalHelpContext = 22;
inline constexpr int kNewDateHelpContext = 38;
inline constexpr int kNewTimeHelpContext = 39;
inline constexpr int kPrefixSearchHelpContext = 60;
inline constexpr int kPathInfoHelpContext = 61;
inline constexpr int kResultsHelpContext = 62;
inline constexpr int kBatchHelpContext = 63;
inline constexpr int kAtlasViewHelpContext = 64;
inline constexpr int kAtlasAddHelpContext = 65;
inline constexpr int kAtlasModifyHelpContext = 66;
inline constexpr int kAtlasDeleteHelpContext = 67;
inline constexpr int kBearingsHelpContext = 68;
inline constexpr int kHopsHelpContext = 69;
inline constexpr int kMufGraphHelpContext = 70;
inline constexpr int kSignalsGraphHelpContext = 71;
inline constexpr int kProgressHelpContext = 72;
inline constexpr int kPlannerHelpContext = 73;
inline constexpr int kMapDialogHelpContext = 80;
inline constexpr int kMapDisplayHelpContext = 81;
inline constexpr int kGreatCirclePrintHelpContext = 82;
inline constexpr int kFreqMapDialogHelpContext = 83;
inline constexpr int kFreqMapDisplayHelpContext = 84;
inline constexpr int kCoverageDialogHelpContext = 85;
inline constexpr int kCoverageDisplayHelpContext = 86;
