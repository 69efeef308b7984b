#pragma once

// Shared by the command-line harnesses: an empty data folder of this process, given as
// the last --data-dir so that it wins over any the input names (nothing is read from
// or written to a folder the input chooses), removed when the fuzzer ends.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

inline const std::string& EmptyDataFolder() {
    struct Folder {
        std::string path;
        Folder() {
            path = (std::filesystem::temp_directory_path() / "hopscope-fuzz-XXXXXX").string();
            if (::mkdtemp(path.data()) == nullptr)
                std::abort();
        }
        ~Folder() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    };
    static const Folder folder;
    return folder.path;
}
