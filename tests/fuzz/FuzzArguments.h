#pragma once

// Shared by the command-line harnesses: the input as arguments, and an empty data folder
// of this process.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

/// The input split at zero bytes into arguments, as a shell would hand them over.
inline std::vector<std::string> ArgumentsOf(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> words(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            words.emplace_back();
        else
            words.back() += static_cast<char>(data[i]);
    }
    return words;
}

/// An empty folder of this process, removed when the fuzzer ends. Given as the last
/// --data-dir it wins over any the input names: nothing is read from or written to a
/// folder the input chooses.

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
