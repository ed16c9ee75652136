#pragma once

#include "game/RandomSource.h"

#include <random>
#include <vector>

namespace pairfall::testing {

// Returns the values in turn, then 0; counts the reseeds.
struct ScriptedRandom final : RandomSource {
    void Reseed() override { ++reseeds; }
    float Next() override
    {
        if (next == values.size())
            return 0.0f; // past the end, without moving on
        return values[next++];
    }
    std::vector<float> values;
    std::size_t next = 0;
    int reseeds = 0;
};

// A repeatable generator, for whole games that must fail the same way twice.
struct SeededRandom final : RandomSource {
    explicit SeededRandom(unsigned seed)
        : engine(seed)
    {
    }
    void Reseed() override { }
    float Next() override { return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f); }
    std::mt19937 engine;
};

}
