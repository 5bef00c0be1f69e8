// Runs the benchmarks, then prints each one's time as a multiple of its floor
// and whether it meets its goal. The exit status stays 0: a benchmark
// reports, it does not fail a build.
#include "bench/Floors.h"

#include <benchmark/benchmark.h>

#ifdef QUADRILLO_BENCH_WIDGETS
#include <QApplication>
#endif

#include <cstdio>
#include <map>
#include <set>

std::vector<FloorGoal>& FloorGoals() {
    static std::vector<FloorGoal> goals;
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
            else if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                realTime[name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> realTime;
    std::set<std::string> failed;
};

} // namespace

int main(int argc, char** argv) {
#ifdef QUADRILLO_BENCH_WIDGETS
    // Dialogs need the application object, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-32s %-28s %8s %8s\n", "benchmark", "floor", "ratio", "goal");
    for (const FloorGoal& goal : FloorGoals()) {
        if (reporter.failed.contains(goal.benchmark) || reporter.failed.contains(goal.floor)) {
            std::printf("%-32s %-28s %8s\n", goal.benchmark.c_str(), goal.floor.c_str(), "ERROR");
            continue;
        }
        const auto measured = reporter.realTime.find(goal.benchmark);
        const auto floor = reporter.realTime.find(goal.floor);
        if (measured == reporter.realTime.end() || floor == reporter.realTime.end())
            continue;
        const double ratio = measured->second / floor->second;
        std::printf("%-32s %-28s %8.2f %7s%.2f %s\n", goal.benchmark.c_str(), goal.floor.c_str(),
                    ratio, "<= ", goal.maxRatio, ratio <= goal.maxRatio ? "met" : "MISSED");
    }
    benchmark::Shutdown();
    return 0;
}
