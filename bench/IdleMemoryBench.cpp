// Memory at rest: the game's resident memory a second after its first
// painted board, started on a program directory of one pack, against a bare
// Qt Widgets window showing a picture of the game's size. Both run on the X
// server the start-up benchmark uses, in turns, a few starts each; each
// benchmark reports the median.
#include "bench/Floors.h"
#include "bench/SpawnedPrograms.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kStarts = 3;
constexpr auto kPaintWait = std::chrono::seconds(20);
// Whatever a program does just after its first paint is over by then.
constexpr auto kSettle = std::chrono::seconds(1);

std::optional<double> ResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string word; status >> word;)
        if (word == "VmRSS:") {
            double kib = 0;
            if (status >> kib)
                return kib;
        }
    return std::nullopt;
}

std::optional<double> IdleResidentKiB(const SpawnedPrograms& programs, const fs::path& program,
                                      const std::vector<std::string>& arguments,
                                      std::string* problem) {
    const std::unique_ptr<Child> child = programs.Start(program, arguments);
    if (!child->Started()) {
        *problem = child->Problem();
        return std::nullopt;
    }
    if (!child->WaitForLine("first-paint ", SpawnClock::now() + kPaintWait)) {
        *problem = program.filename().string() +
                   " reported no first paint; its output: " + child->Output();
        return std::nullopt;
    }
    std::this_thread::sleep_for(kSettle);
    const std::optional<double> kib = ResidentKiB(child->Pid());
    if (!kib)
        *problem = program.filename().string() + " has no resident memory to read";
    return kib;
}

struct IdleSamples {
    double gameKiB = 0;
    double bareKiB = 0;
    std::string error;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

IdleSamples Measure() {
    IdleSamples samples;
    const SpawnedPrograms programs;
    if (!programs.Error().empty()) {
        samples.error = programs.Error();
        return samples;
    }
    std::vector<double> game, bare;
    for (int start = 0; start < kStarts; ++start) {
        const bool gameFirst = start % 2 == 0;
        for (const bool isGame : {gameFirst, !gameFirst}) {
            const std::optional<double> kib =
                isGame ? IdleResidentKiB(programs, programs.Game(), {}, &samples.error)
                       : IdleResidentKiB(programs, programs.BareWindow(), {"--picture"},
                                         &samples.error);
            if (!kib)
                return samples;
            (isGame ? game : bare).push_back(*kib);
        }
    }
    samples.gameKiB = Median(game);
    samples.bareKiB = Median(bare);
    return samples;
}

const IdleSamples& Samples() {
    static const IdleSamples samples = Measure();
    return samples;
}

void ReportIdle(benchmark::State& state, double IdleSamples::*kib) {
    const IdleSamples& samples = Samples();
    if (!samples.error.empty()) {
        state.SkipWithError(samples.error.c_str());
        return;
    }
    for (auto _ : state) {
    }
    state.counters["rss_KiB"] = samples.*kib;
}

void BM_IdleMemoryGame(benchmark::State& state) {
    ReportIdle(state, &IdleSamples::gameKiB);
}
BENCHMARK(BM_IdleMemoryGame)->Iterations(1);

void BM_IdleMemoryBareWindow(benchmark::State& state) {
    ReportIdle(state, &IdleSamples::bareKiB);
}
BENCHMARK(BM_IdleMemoryBareWindow)->Iterations(1);

const RegisterMemoryGoal idleGoal("BM_IdleMemoryGame", "rss_KiB", "BM_IdleMemoryBareWindow", 1.2);

} // namespace
