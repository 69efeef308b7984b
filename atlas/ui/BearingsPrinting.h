#pragma once

#include "atlas/Atlas.h"
#include "core/UserMessage.h"
#include "report/BearingsLayout.h"

#include <QString>
#include <functional>

class QPrinter;

/// What to print: the point, the order of the table and the smallest font size.
struct BearingsPrintJob {
    BearingsOrigin origin;
    AtlasIndex order = AtlasIndex::ByPrefix;
    int minFontSize = kBearingsMinFontSize;
    QString title; ///< the print job's name
};

/// The outcome of printing; `message` is empty when there is nothing to tell (also
/// after the user aborted the job).
struct BearingsPrintResult {
    bool ok = false;
    UserMessage message;
    int fontSize = 0;
    int pages = 0;
};

/// Prints the bearings table of `atlas` on `printer` (already set up, e.g. by the
/// print dialog) in bold "Courier New": the font size and layout come from
/// ChooseBearingsLayout with the printer's page size and the font's measures.
/// `beforeEntry` runs before each entry (the window lets pending events run there).
/// A page too small for one column, or a job that does not start, gives the message.
BearingsPrintResult PrintBearings(QPrinter& printer, const Atlas& atlas,
                                  const BearingsPrintJob& job,
                                  const std::function<void()>& beforeEntry = {});
