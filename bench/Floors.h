#pragma once

#include <string>
#include <vector>

// Each benchmark is judged against a floor measured in the same run.
struct FloorGoal {
    std::string benchmark;
    std::string floor;
    double maxRatio; // benchmark time / floor time must not exceed this
};

// Registered by each benchmark file, read by the benchmark main.
std::vector<FloorGoal>& FloorGoals();

struct RegisterFloorGoal {
    RegisterFloorGoal(std::string benchmark, std::string floor, double maxRatio) {
        FloorGoals().push_back({std::move(benchmark), std::move(floor), maxRatio});
    }
};

// A memory figure a benchmark reports in a counter, held to a limit: at most
// `limit` in the counter's own unit, or, when `floor` names a benchmark, at
// most `limit` times that one's counter of the same name.
struct MemoryGoal {
    std::string benchmark;
    std::string counter;
    std::string floor;
    double limit;
};

std::vector<MemoryGoal>& MemoryGoals();

struct RegisterMemoryGoal {
    RegisterMemoryGoal(std::string benchmark, std::string counter, std::string floor,
                       double limit) {
        MemoryGoals().push_back(
            {std::move(benchmark), std::move(counter), std::move(floor), limit});
    }
};
