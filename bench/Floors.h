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
