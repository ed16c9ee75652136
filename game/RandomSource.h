#pragma once

#include <cstdint>
#include <random>

namespace pairfall {

// Where the shuffle takes its random numbers; tests feed exact values.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Called at the start of every shuffle.
    virtual void Reseed() = 0;
    // A single-precision value r with 0 <= r < 1.
    virtual float Next() = 0;
};

// Seeded afresh from the clock at every shuffle.
class ClockRandomSource final : public RandomSource {
public:
    void Reseed() override;
    float Next() override;

private:
    std::mt19937 m_engine;
};

}
