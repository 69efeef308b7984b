// Speed of the atlas operations a user waits for: building the indexes after every
// load, the exact prefix look-up of the entry fields, and the prefix search window's
// list and incremental search, for the built-in atlas and for a full one of 65,534.
#include "atlas/Atlas.h"
#include "atlas/AtlasFile.h"
#include "atlas/BuiltInAtlas.h"
#include "atlas/PrefixSearch.h"
#include "core/ReplaceFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

namespace {

// Built-in entries repeated with made-up prefixes (in order) and shuffled names,
// up to `count` entries.
Atlas LargeAtlas(std::size_t count) {
    const std::vector<AtlasEntry> builtIn = BuiltInAtlasEntries();
    std::mt19937 random(7);
    std::vector<AtlasEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "A%05zu", i);
        const AtlasEntry& model = builtIn[random() % builtIn.size()];
        entries.push_back(MakeAtlasEntry(prefix, model.Latitude(), model.Longitude(),
                                         model.Name() + std::to_string(random() % 100)));
    }
    return AtlasOf(std::move(entries));
}

Atlas AtlasOfSize(std::int64_t size) {
    if (size == static_cast<std::int64_t>(kBuiltInAtlasSize))
        return AtlasOf(BuiltInAtlasEntries());
    return LargeAtlas(static_cast<std::size_t>(size));
}

void BM_BuildAtlasIndexes(benchmark::State& state) {
    Atlas atlas = AtlasOfSize(state.range(0));
    for (auto _ : state) {
        BuildAtlasIndexes(atlas);
        benchmark::DoNotOptimize(atlas.ByName.data());
    }
}
BENCHMARK(BM_BuildAtlasIndexes)->Arg(371)->Arg(kMaxAtlasEntries)->Unit(benchmark::kMicrosecond);

void BM_FindAtlasEntry(benchmark::State& state) {
    const Atlas atlas = AtlasOfSize(state.range(0));
    const std::string key =
        AtlasEntryAt(atlas, AtlasIndex::ByPrefix, atlas.ByPrefix.size() / 3).Prefix();
    for (auto _ : state)
        benchmark::DoNotOptimize(FindAtlasEntry(atlas, key));
}
BENCHMARK(BM_FindAtlasEntry)->Arg(371)->Arg(kMaxAtlasEntries);

void BM_PrefixSearchLines(benchmark::State& state) {
    const Atlas atlas = AtlasOfSize(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(PrefixSearchLines(atlas, PrefixSearchMode::ByName));
}
BENCHMARK(BM_PrefixSearchLines)->Arg(371)->Arg(kMaxAtlasEntries)->Unit(benchmark::kMicrosecond);

// A text no line begins with: the whole list is scanned, then searched.
void BM_IncrementalSearchMiss(benchmark::State& state) {
    const Atlas atlas = AtlasOfSize(state.range(0));
    const std::vector<std::string> lines = PrefixSearchLines(atlas, PrefixSearchMode::ByPrefix);
    for (auto _ : state)
        benchmark::DoNotOptimize(IncrementalSearch(lines, "ZZ"));
}
BENCHMARK(BM_IncrementalSearchMiss)->Arg(371)->Arg(kMaxAtlasEntries);

void BM_LoadBuiltInAtlasFile(benchmark::State& state) {
    char pattern[] = "/tmp/hopscope-bench-atlas-XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(pattern);
    Atlas atlas;
    LoadAtlas(atlas, dir); // creates the file; the loop only reads it
    for (auto _ : state) {
        ReloadAtlas(atlas);
        benchmark::DoNotOptimize(atlas.Count);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadBuiltInAtlasFile)->Unit(benchmark::kMicrosecond);

// A full atlas file whose entries all share one name (with both letter cases, so the
// run of equal names is also cut into stretches): the load before the main window
// appears. Must stay well under 100 ms.
void BM_LoadAtlasOfEqualNames(benchmark::State& state) {
    char pattern[] = "/tmp/hopscope-bench-atlas-XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(pattern);
    std::vector<AtlasEntry> entries;
    for (std::int32_t i = 0; i < kMaxAtlasEntries; ++i) {
        char prefix[24];
        std::snprintf(prefix, sizeof prefix, "A%05d", i);
        entries.push_back(
            MakeAtlasEntry(prefix, "0", "0", i % 1000 == 0 ? "SAME NAME" : "Same Name"));
    }
    if (!ReplaceFile(dir / "Hopscope.ATL", AtlasFileBytes(entries)))
        state.SkipWithError("cannot write the atlas file");
    Atlas atlas;
    for (auto _ : state) {
        LoadAtlas(atlas, dir);
        benchmark::DoNotOptimize(atlas.ByName.data());
    }
    if (atlas.Count != kMaxAtlasEntries)
        state.SkipWithError("the atlas was not loaded whole");
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadAtlasOfEqualNames)->Unit(benchmark::kMillisecond);

} // namespace
