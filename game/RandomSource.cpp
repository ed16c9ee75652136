#include "game/RandomSource.h"

#include <chrono>

namespace pairfall {

void ClockRandomSource::Reseed()
{
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed { static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32) };
    m_engine.seed(seed);
}

float ClockRandomSource::Next()
{
    // The top 24 bits make a float in [0, 1) exactly; generate_canonical may return 1.
    constexpr float Step = 1.0f / 16777216.0f;
    return static_cast<float>(m_engine() >> 8) * Step;
}

}
