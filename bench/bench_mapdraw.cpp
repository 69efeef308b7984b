#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>

#include "core/Dates.h"
#include "core/Geometry.h"
#include "coverage/CoverageGrid.h"
#include "coverage/ui/CoverageMapPainter.h"
#include "maps/MapOverlays.h"
#include "maps/VectorMap.h"
#include "maps/ui/WorldMapPainter.h"

// Drawing a whole map picture at the window's size, 1920 × 1080: land, sea, coastlines,
// night side, grid, polar zones, Sun, paths, terminals and time label. "Frame" is a new
// time at the same size (the land and sea are kept); "NewSize" draws everything anew, as
// after a resize. Set HOPSCOPE_BENCH_PNG=DIR to save the pictures for a look.

namespace {

WorldMapScene Scene(bool greatCircle, double hours) {
    WorldMapScene scene;
    scene.greatCircle = greatCircle;
    scene.centre = {48.2, -16.37};
    scene.sun = SubsolarPointAt(DateFromCalendar(2026, 6, 21), hours);
    scene.timeLabel = QString::fromStdString(TimeLabelText("1200", "UTC"));
    MapPaths paths;
    paths.a.LatitudeText = "48.2";
    paths.a.LongitudeText = "-16.37";
    paths.a.Name = "Vienna";
    paths.b.LatitudeText = "-33.9";
    paths.b.LongitudeText = "-151.2";
    paths.b.Prefix = "VK2";
    ComputePathGeometry(paths.a, paths.b, paths.shortPath, paths.longPath);
    scene.paths = paths;
    return scene;
}

void Save(const QImage& image, const char* name) {
    if (const char* dir = std::getenv("HOPSCOPE_BENCH_PNG"))
        image.save(QString::fromLocal8Bit(dir) + "/" + name);
}

void BM_MapFrame1920x1080(benchmark::State& state) {
    const bool greatCircle = state.range(0) == 1;
    QImage image(1920, 1080, QImage::Format_RGB32);
    double hours = 0.0;
    for (auto _ : state) {
        PaintWorldMap(image, Scene(greatCircle, hours));
        hours = hours >= 23.5 ? 0.0 : hours + 0.5;
        benchmark::DoNotOptimize(image.constBits());
    }
    Save(image, greatCircle ? "frame-gc.png" : "frame-rect.png");
}
BENCHMARK(BM_MapFrame1920x1080)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("greatCircle")
    ->Unit(benchmark::kMillisecond);

void BM_MapNewSize1920x1080(benchmark::State& state) {
    const bool greatCircle = state.range(0) == 1;
    int n = 0;
    for (auto _ : state) {
        // A size not among the last few drawn, so nothing kept can be reused.
        QImage image(1920 - n % 16, 1080, QImage::Format_RGB32);
        ++n;
        PaintWorldMap(image, Scene(greatCircle, 12.0));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_MapNewSize1920x1080)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("greatCircle")
    ->Unit(benchmark::kMillisecond);

void BM_LandRings(benchmark::State& state) {
    const WorldFrame f = FitWorldFrame(state.range(0) == 1, {48.2, -16.37}, 1920, 1080);
    for (auto _ : state)
        benchmark::DoNotOptimize(LandRings(f, 0.75));
}
BENCHMARK(BM_LandRings)->Arg(0)->Arg(1)->ArgName("greatCircle")->Unit(benchmark::kMillisecond);

// A coverage map of the 2° grid over a day, its values made up so that every class and
// every S/N colour appears (the drawing does not care where they come from).
CoverageMap MadeUpCoverage() {
    CoverageMap map;
    map.ok = true;
    map.grid = MakeCoverageGrid(2);
    for (int k = 0; k < 48; ++k)
        map.halfHours.push_back(k);
    map.base.TerminalA.Name = "Vienna";
    map.base.TerminalA.LatitudeDeg = 48.2;
    map.base.TerminalA.LongitudeDeg = -16.37;
    map.values.resize(static_cast<std::size_t>(map.grid.CellCount()) * 48);
    for (std::size_t i = 0; i < map.values.size(); ++i) {
        CoverageValue& v = map.values[i];
        const int n = static_cast<int>((i * 2654435761u) % 100);
        if (n < 20)
            continue; // no mode
        v.signalDb = static_cast<float>(n - 40);
        v.snrDb = static_cast<float>(n - 50);
        v.reliability = static_cast<float>(n) / 100.0f;
        v.hops = 1;
    }
    return map;
}

// One coverage frame at 1920 × 1080 as the window draws it: a new half hour at the
// same size (the cells' outlines are kept per size, as land and sea are).
void BM_CoverageFrame1920x1080(benchmark::State& state) {
    static const CoverageMap map = MadeUpCoverage();
    CoverageFrame frame;
    frame.map = &map;
    frame.greatCircle = state.range(0) == 1;
    frame.centre = {48.2, -16.37};
    frame.utDate = DateFromCalendar(2026, 6, 21);
    frame.timeLabel = QString::fromStdString(TimeLabelText("1200", "UTC"));
    frame.show = state.range(1) == 1 ? CoverageShow::Snr : CoverageShow::Reliability;
    QImage image(1920, 1080, QImage::Format_RGB32);
    int k = 0;
    for (auto _ : state) {
        frame.slotIndex = k;
        PaintWorldMap(image, CoverageScene(frame));
        k = (k + 1) % 48;
        benchmark::DoNotOptimize(image.constBits());
    }
    Save(image, frame.greatCircle ? "coverage-gc.png" : "coverage-rect.png");
}
BENCHMARK(BM_CoverageFrame1920x1080)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->ArgNames({"greatCircle", "snr"})
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
