// Cost of the colour conversions, per call and through hvz's pipe.

#include "colour/Conversions.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

static void BM_HslToColor(benchmark::State& state) {
    float h = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(HslToColor(62.5f, 40.0f, h));
        h = h >= 360.0f ? 0.0f : h + 1.0f;
    }
}
BENCHMARK(BM_HslToColor);

static void BM_ColorToHsl(benchmark::State& state) {
    int c = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ColorToHsl(float(c & 255), float((c >> 8) & 255), 93.0f));
        c = (c + 7919) & 0xFFFF;
    }
}
BENCHMARK(BM_ColorToHsl);

// The luminance strip of the palette: 40 rows of one hue and saturation.
static void BM_LuminanceStrip(benchmark::State& state) {
    for (auto _ : state)
        for (int row = 0; row < 40; ++row)
            benchmark::DoNotOptimize(HslToColor(row * 2.5f, 75.0f, 210.0f));
}
BENCHMARK(BM_LuminanceStrip);

// hvz hsl over a pipe: every integer (L, S, H), written to a file first so
// that only hvz is timed; items per second are conversions per second.
static void BM_HvzHslPipe(benchmark::State& state) {
    const std::string input = "/tmp/hvz_bench_input.txt";
    long lines = 0;
    if (std::FILE* f = std::fopen(input.c_str(), "w")) {
        for (int l = 0; l <= 100; ++l)
            for (int s = 0; s <= 100; ++s)
                for (int h = 0; h <= 360; ++h, ++lines)
                    std::fprintf(f, "%d %d %d\n", l, s, h);
        std::fclose(f);
    }
    const std::string command = std::string(HVZ_PATH) + " hsl < " + input + " > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) state.SkipWithError("hvz failed");
    state.SetItemsProcessed(state.iterations() * lines);
    std::remove(input.c_str());
}
BENCHMARK(BM_HvzHslPipe)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

BENCHMARK_MAIN();
