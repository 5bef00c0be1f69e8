// Runs the benchmarks, then prints each one's time as a multiple of its floor,
// and each memory figure against its limit, and whether it meets its goal.
// The exit status stays 0: a benchmark reports, it does not fail a build.
#include "bench/Floors.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <optional>
#include <set>

std::vector<FloorGoal>& FloorGoals() {
    static std::vector<FloorGoal> goals;
    return goals;
}

std::vector<MemoryGoal>& MemoryGoals() {
    static std::vector<MemoryGoal> goals;
    return goals;
}

namespace {

class CollectingReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string& name = run.run_name.function_name;
            if (run.error_occurred)
                failed.insert(name);
            else if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                realTime[name] = run.GetAdjustedRealTime();
                for (const auto& [counter, value] : run.counters)
                    counters[name][counter] = value.value;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> realTime;
    std::map<std::string, std::map<std::string, double>> counters;
    std::set<std::string> failed;

    std::optional<double> Counter(const std::string& benchmark, const std::string& counter) const {
        const auto run = counters.find(benchmark);
        if (run == counters.end())
            return std::nullopt;
        const auto found = run->second.find(counter);
        return found == run->second.end() ? std::nullopt : std::optional(found->second);
    }
};

// One line of the final table; nothing measured is an error.
void PrintGoal(const std::string& what, const std::string& floor, std::optional<double> measured,
               double limit) {
    if (!measured)
        std::printf("%-40s %-28s %10s\n", what.c_str(), floor.c_str(), "ERROR");
    else
        std::printf("%-40s %-28s %10.2f %7s%.2f %s\n", what.c_str(), floor.c_str(), *measured,
                    "<= ", limit, *measured <= limit ? "met" : "MISSED");
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    // Windows for the benchmarks that use them, off any screen. Given as an
    // argument, not through the environment, so the programs the start-up
    // benchmark spawns still use their X server.
    int qtArgc = 3;
    char program[] = "quadrillo_bench", option[] = "-platform", platform[] = "offscreen";
    char* qtArgv[] = {program, option, platform, nullptr};
    QApplication application(qtArgc, qtArgv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-40s %-28s %10s %8s\n", "benchmark", "floor", "ratio", "goal");
    for (const FloorGoal& goal : FloorGoals()) {
        if (reporter.failed.contains(goal.benchmark) || reporter.failed.contains(goal.floor)) {
            PrintGoal(goal.benchmark, goal.floor, std::nullopt, goal.maxRatio);
            continue;
        }
        const auto measured = reporter.realTime.find(goal.benchmark);
        const auto floor = reporter.realTime.find(goal.floor);
        if (measured == reporter.realTime.end() || floor == reporter.realTime.end())
            continue;
        PrintGoal(goal.benchmark, goal.floor, measured->second / floor->second, goal.maxRatio);
    }
    std::printf("\n%-40s %-28s %10s %8s\n", "memory", "floor", "measured", "goal");
    for (const MemoryGoal& goal : MemoryGoals()) {
        const std::string what = goal.benchmark + " " + goal.counter;
        const std::string floor = goal.floor.empty() ? "-" : goal.floor;
        if (reporter.failed.contains(goal.benchmark) || reporter.failed.contains(goal.floor)) {
            PrintGoal(what, floor, std::nullopt, goal.limit);
            continue;
        }
        const std::optional<double> measured = reporter.Counter(goal.benchmark, goal.counter);
        const std::optional<double> base =
            goal.floor.empty() ? std::optional(1.0) : reporter.Counter(goal.floor, goal.counter);
        if (!measured || !base)
            continue;
        PrintGoal(what, floor, *measured / *base, goal.limit);
    }
    benchmark::Shutdown();
    return 0;
}
