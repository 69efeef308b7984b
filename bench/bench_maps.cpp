#include <benchmark/benchmark.h>

#include "core/Dates.h"
#include "core/Geometry.h"
#include "maps/BaseMaps.h"
#include "maps/MapCompose.h"
#include "maps/MapDisplay.h"

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

// One time step of the map window on a 1920 × 1080 screen: the whole map image
// composed again from the cached base map (scaled up), with every overlay.
void BM_WindowStep1920(benchmark::State& state) {
    const MapKind kind = state.range(0) ? MapKind::GreatCircle : MapKind::Rectangular;
    const MapDisplayLayout layout = ComputeMapDisplayLayout(kind, 1920, 1080, 1920, 1000);
    PixelBuffer base(kRectangularBaseWidth,
                     kind == MapKind::GreatCircle ? kGreatCircleBaseSize : kRectangularBaseHeight);
    if (kind == MapKind::GreatCircle)
        DrawGreatCircleBaseMap(base, kLondon);
    else
        DrawRectangularBaseMap(base, kLondon.lon);
    PixelBuffer image(layout.imageWidth, layout.imageHeight);
    MapOverlays overlays = AllOverlays();
    overlays.screenWidth = 1920;
    double hours = 0.0;
    for (auto _ : state) {
        overlays.sun = SubsolarPointAt(DateFromCalendar(2026, 6, 21), hours);
        hours += 0.25;
        if (kind == MapKind::GreatCircle)
            ComposeGreatCircleMap(base, kLondon, image, overlays);
        else
            ComposeRectangularMap(base, kLondon.lon, image, overlays);
        benchmark::DoNotOptimize(image.Row(0));
    }
}
BENCHMARK(BM_WindowStep1920)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
