#pragma once

#include <cstdint>

// Every counter, index and card value of the game is a 16-bit signed integer.
// Arithmetic that leaves its range is an overflow error, never a wrap-around.
namespace pairfall {

using Int16 = std::int16_t;

// Throw RuntimeError::Overflow when the exact result does not fit.
Int16 Add16(Int16 a, Int16 b);
Int16 Sub16(Int16 a, Int16 b);
Int16 Mul16(Int16 a, Int16 b);
Int16 ToInt16(std::int64_t value);

// Nearest integer, an exact half to the even one (16.5 -> 16, 17.5 -> 18).
// Throws Overflow when the rounded value is not a 16-bit integer.
Int16 RoundToInt16(double value);

}
