// The country file's reader on any text, and the look-up of callsigns in what it read:
// the first line of the input is a callsign, the rest the file.

#include "atlas/CountryFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t newline = input.find('\n');
    const std::string_view call = input.substr(0, newline);
    const std::string_view text =
        newline == std::string_view::npos ? std::string_view() : input.substr(newline + 1);
    const CountryFileRead read = ParseCountryFile(text, "fuzz.dat");
    FUZZ_CHECK(read.Ok() != read.file.countries.empty());
    FUZZ_CHECK(read.Ok() || read.error.rfind("fuzz.dat", 0) == 0);
    for (const Country& country : read.file.countries) {
        FUZZ_CHECK(!country.name.empty() && !country.primaryPrefix.empty());
        FUZZ_CHECK(country.latitudeDeg >= -90.0 && country.latitudeDeg <= 90.0);
        FUZZ_CHECK(country.longitudeDeg >= -180.0 && country.longitudeDeg <= 180.0);
    }
    for (const auto* table : {&read.file.prefixes, &read.file.exactCalls})
        for (const auto& [key, target] : *table) {
            FUZZ_CHECK(!key.empty() && target.country < read.file.countries.size());
            FUZZ_CHECK(table == &read.file.exactCalls || key.size() <= read.file.longestPrefix);
        }
    if (const auto match = MatchCallsign(read.file, call)) {
        FUZZ_CHECK(match->country < read.file.countries.size());
        FUZZ_CHECK(match->latitudeDeg >= -90.0 && match->latitudeDeg <= 90.0);
        FUZZ_CHECK(!CallsignMatchText(read.file, *match).empty());
        FUZZ_CHECK(match->exactCall || match->call.find(match->matched) != std::string::npos);
    }
    return 0;
}
