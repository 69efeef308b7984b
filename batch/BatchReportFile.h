#pragma once

#include <filesystem>
#include <string>
#include <string_view>

/// How the reports of a run go into a report file that may exist.
enum class ReportFileMode {
    Create,    ///< a new file (an existing one is replaced)
    Append,    ///< after what the file holds
    Overwrite, ///< instead of what the file holds
};

/// The outcome of writing a report file: ok, or the message for the user.
struct ReportFileResult {
    bool ok = false;
    std::string message; ///< "Unable to write the report file: " + reason
};

/// Writes `text` to the report file at `path` through a temporary file and a rename,
/// so a full disk or a failed write leaves the old file whole: Append first copies
/// what the file holds into the temporary file. What IsDirectOutput names ("-",
/// /dev/stdout, a device, a FIFO) gets the text written into it, in every mode (see
/// WriteOutputFile). A failure reads
/// "Unable to write the report file: " + the reason.
ReportFileResult WriteReportFile(const std::filesystem::path& path, std::string_view text,
                                 ReportFileMode mode);
