#pragma once

#include "core/ReplaceFile.h"

#include <filesystem>
#include <string_view>

// Where a picture, a table or a report goes when the user names the file (--out, a
// report file): a file of their own, or a stream they opened for it (standard output,
// a pipe, a terminal, a device).

/// True when WriteOutputFile writes into `path` as it is rather than replacing it:
/// "-" (standard output); a link naming this process's standard output or standard
/// error (/dev/stdout, /dev/fd/2, /proc/self/fd/1), whatever that is; and anything
/// that is neither a regular file nor a folder (a device, a FIFO, a socket). A regular
/// file named by its own path, a link to one and a missing path are replaced.
bool IsDirectOutput(const std::filesystem::path& path);

/// Writes `bytes` as the output file `path`. What IsDirectOutput names is written into
/// as it is: "-" and the links to the process's standard streams through the stream's
/// own descriptor (so the shell's ">>" still appends and a pipe gets every byte), a
/// device or a FIFO opened for writing (a FIFO waits for its reader). Everything else
/// goes through ReplaceFile (a temporary file and a rename), so that a failure leaves
/// the old file whole; a folder is refused ("Is a directory").
[[nodiscard]] FileWriteResult WriteOutputFile(const std::filesystem::path& path,
                                              std::string_view bytes);
