// Start-up: from just before the game is spawned to its first painted board,
// against a bare Qt Widgets window of the same size with two menus. Both are
// started on an Xvfb of their own, in turns, so a busy spell on the machine
// costs both alike; the two benchmarks then report one start per repetition.
// QUADRILLO_BENCH_DISPLAY names an X server to use instead.
#include "bench/Floors.h"
#include "bench/SpawnedPrograms.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kStarts = 15;
constexpr auto kPaintWait = std::chrono::seconds(20);

std::int64_t Nanoseconds(SpawnClock::time_point time) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
}

// Seconds from just before the spawn to the first paint the program reports.
std::optional<double> TimeToFirstPaint(const SpawnedPrograms& programs, const fs::path& program,
                                       std::string* problem) {
    const SpawnClock::time_point before = SpawnClock::now();
    const std::unique_ptr<Child> child = programs.Start(program);
    if (!child->Started()) {
        *problem = child->Problem();
        return std::nullopt;
    }
    const std::optional<std::string> line = child->WaitForLine("first-paint ", before + kPaintWait);
    if (!line) {
        *problem = program.filename().string() +
                   " reported no first paint; its output: " + child->Output();
        return std::nullopt;
    }
    return double(std::strtoll(line->c_str(), nullptr, 10) - Nanoseconds(before)) / 1e9;
}

struct Series {
    std::vector<double> seconds;
    std::size_t next = 0;
};

struct StartupSamples {
    Series game;
    Series bare;
    std::string error;
};

StartupSamples Measure() {
    StartupSamples samples;
    const SpawnedPrograms programs;
    if (!programs.Error().empty()) {
        samples.error = programs.Error();
        return samples;
    }
    // One start of each first, so neither pays for a cold page cache.
    for (int start = -1; start < kStarts; ++start) {
        const bool gameFirst = start % 2 == 0;
        for (const bool isGame : {gameFirst, !gameFirst}) {
            const std::optional<double> seconds = TimeToFirstPaint(
                programs, isGame ? programs.Game() : programs.BareWindow(), &samples.error);
            if (!seconds)
                return samples;
            if (start >= 0)
                (isGame ? samples.game : samples.bare).seconds.push_back(*seconds);
        }
    }
    return samples;
}

StartupSamples& Samples() {
    static StartupSamples samples = Measure();
    return samples;
}

void ReportStarts(benchmark::State& state, Series StartupSamples::*series) {
    StartupSamples& samples = Samples();
    if (!samples.error.empty()) {
        state.SkipWithError(samples.error.c_str());
        return;
    }
    Series& starts = samples.*series;
    const double seconds = starts.seconds[starts.next++ % starts.seconds.size()];
    for (auto _ : state)
        state.SetIterationTime(seconds);
}

void BM_StartupGame(benchmark::State& state) {
    ReportStarts(state, &StartupSamples::game);
}
BENCHMARK(BM_StartupGame)
    ->Iterations(1)
    ->Repetitions(kStarts)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_StartupBareWindow(benchmark::State& state) {
    ReportStarts(state, &StartupSamples::bare);
}
BENCHMARK(BM_StartupBareWindow)
    ->Iterations(1)
    ->Repetitions(kStarts)
    ->ReportAggregatesOnly(true)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

const RegisterFloorGoal startupGoal("BM_StartupGame", "BM_StartupBareWindow", 1.15);

} // namespace
