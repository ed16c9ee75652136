#pragma once

#include "game/RandomSource.h"

#include <random>
#include <vector>

namespace pairfall::testing {

// Returns the given values in turn (then 0); counts the reseeds.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> values = {}) : m_values(std::move(values)) {}
    void Reseed() override { ++reseeds; }
    float Next() override { return m_next < m_values.size() ? m_values[m_next++] : 0.0f; }

    int reseeds = 0;

private:
    std::vector<float> m_values;
    std::size_t m_next = 0;
};

// A repeatable generator, for whole games that must fail the same way twice.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}
    void Reseed() override {}
    float Next() override { return static_cast<float>(m_engine() >> 8) * (1.0f / 16777216.0f); }

private:
    std::mt19937 m_engine;
};

}
