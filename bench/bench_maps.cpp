#include <benchmark/benchmark.h>

#include "core/Dates.h"
#include "core/Geometry.h"
#include "maps/BaseMaps.h"
#include "maps/MapCompose.h"

// Drawing the two base maps, and a full set of overlays on a 355-pixel map.

namespace {

constexpr GeoPoint kLondon{51.5, 0.1};

MapOverlays AllOverlays() {
    MapOverlays overlays;
    overlays.sun = SubsolarPointAt(DateFromCalendar(2026, 6, 21), 12.0);
    overlays.timeLabel = TimeLabelText("1200", "UTC");
    MapPaths paths;
    paths.a.LatitudeText = "51.5";
    paths.a.LongitudeText = "0.1";
    paths.b.LatitudeText = "37.8";
    paths.b.LongitudeText = "122.4";
    ComputePathGeometry(paths.a, paths.b, paths.shortPath, paths.longPath);
    overlays.paths = paths;
    return overlays;
}

void BM_RectangularBaseMap(benchmark::State& state) {
    PixelBuffer map(kRectangularBaseWidth, kRectangularBaseHeight);
    for (auto _ : state) {
        DrawRectangularBaseMap(map, kLondon.lon);
        benchmark::DoNotOptimize(map.Row(0));
    }
}
BENCHMARK(BM_RectangularBaseMap)->Unit(benchmark::kMillisecond);

void BM_GreatCircleBaseMap(benchmark::State& state) {
    PixelBuffer map(kGreatCircleBaseSize, kGreatCircleBaseSize);
    for (auto _ : state) {
        DrawGreatCircleBaseMap(map, kLondon);
        benchmark::DoNotOptimize(map.Row(0));
    }
}
BENCHMARK(BM_GreatCircleBaseMap)->Unit(benchmark::kMillisecond);

void BM_GreatCircleOverlays(benchmark::State& state) {
    PixelBuffer base(kGreatCircleBaseSize, kGreatCircleBaseSize);
    DrawGreatCircleBaseMap(base, kLondon);
    PixelBuffer image(GreatCircleImageSize(kGreatCircleBaseSize),
                      GreatCircleImageSize(kGreatCircleBaseSize));
    const MapOverlays overlays = AllOverlays();
    for (auto _ : state) {
        ComposeGreatCircleMap(base, kLondon, image, overlays);
        benchmark::DoNotOptimize(image.Row(0));
    }
}
BENCHMARK(BM_GreatCircleOverlays)->Unit(benchmark::kMillisecond);

void BM_RectangularOverlays(benchmark::State& state) {
    PixelBuffer base(kRectangularBaseWidth, kRectangularBaseHeight);
    DrawRectangularBaseMap(base, kLondon.lon);
    PixelBuffer image(kRectangularBaseWidth + 2, kRectangularBaseHeight + 2);
    const MapOverlays overlays = AllOverlays();
    for (auto _ : state) {
        ComposeRectangularMap(base, kLondon.lon, image, overlays);
        benchmark::DoNotOptimize(image.Row(0));
    }
}
BENCHMARK(BM_RectangularOverlays)->Unit(benchmark::kMillisecond);

} // namespace
