#include "game/Numbers.h"

#include "game/RuntimeError.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace pairfall {

Int16 ToInt16(std::int64_t value)
{
    if (value < std::numeric_limits<Int16>::min() || value > std::numeric_limits<Int16>::max())
        throw RuntimeError::Overflow();
    return static_cast<Int16>(value);
}

Int16 Add16(Int16 a, Int16 b) { return ToInt16(std::int64_t { a } + b); }
Int16 Sub16(Int16 a, Int16 b) { return ToInt16(std::int64_t { a } - b); }
Int16 Mul16(Int16 a, Int16 b) { return ToInt16(std::int64_t { a } * b); }

Int16 RoundToInt16(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::Overflow();
    // nearbyint rounds in the current mode; pin it to nearest-even for the
    // call so a stray mode set elsewhere cannot change the statistics.
    const int savedMode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(savedMode);
    if (rounded < std::numeric_limits<Int16>::min() || rounded > std::numeric_limits<Int16>::max())
        throw RuntimeError::Overflow();
    return static_cast<Int16>(rounded);
}

}
