#pragma once
// What the tests against the local solar data server share (tests/solar/with-solar-server.sh
// starts it and names it in HOPSCOPE_SOLAR_TEST_BASE; without it they are skipped): a
// fresh data folder inside a folder of its own, and the look-up of a date.
#include "solar/HttpFetch.h"
#include "solar/SolarLookup.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace solartest {

namespace fs = std::filesystem;
using namespace std::chrono;

// The recorded files were written as published on the evening of 8 Dec 2026.
inline const system_clock::time_point kNow = sys_days{2026y / 12 / 8} + 22h + 10min;

inline std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

/// Every regular file of a folder with its bytes.
inline std::map<std::string, std::string> FolderBytes(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (!entry.is_regular_file() || entry.is_symlink())
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[entry.path().filename().string()] = bytes.str();
    }
    return files;
}

class SolarLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        server = Env("HOPSCOPE_SOLAR_TEST_BASE");
        if (server.empty())
            GTEST_SKIP() << "run through tests/solar/with-solar-server.sh";
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '-');
        root = fs::temp_directory_path() /
               ("hopscope-solar-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" + name);
        dir = root / "data";
        fs::remove_all(root);
        fs::create_directories(dir);
    }
    void TearDown() override {
        if (!root.empty())
            fs::remove_all(root);
    }
    SolarLookup LookUp(const std::string& base, CalendarDay date,
                       system_clock::time_point now = kNow, bool refresh = false) const {
        SolarRequest request;
        request.dataDir = dir;
        request.date = date;
        request.now = now;
        request.baseUrl = base;
        request.refresh = refresh;
        request.memory = memory;
        request.timeLimitMs = timeLimitMs;
        return LookUpSolarFigure(request);
    }
    /// How many requests the local server has had.
    int Requests() const { return std::stoi(FetchHttp(server + "/requests", 100, 10).body); }

    std::string server;
    fs::path root; ///< the test's own folder
    fs::path dir;  ///< the data folder, inside it
    SolarRunMemory* memory = nullptr;
    long timeLimitMs = 2000; // a server that does not answer is given up after 2 s
};

} // namespace solartest
