#pragma once

#include <span>
#include <vector>

#include "common/Calculated.h"

// One row per compute layer: how many formulas or modes it has, how many doubles it takes, and
// a call that appends every Calculated it returns. A compute layer that lands adds its row to
// ComputeLayers.cpp and is fuzzed from then on.
struct ComputeLayer {
    const char* name;
    int choices;
    int arity;
    void (*run)(int choice, std::span<const double> given, std::vector<Calculated>& results);
};

std::span<const ComputeLayer> computeLayers();
