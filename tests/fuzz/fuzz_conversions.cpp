// Arbitrary text through the readers of stored numbers, in memory: nothing
// may crash, and whatever is taken as a number writes back as text that
// reads the same.
#include "game/Conversions.h"
#include "game/RuntimeError.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace pairfall::testing {
namespace {

void CounterRoundTrip(const std::string& text)
{
    try {
        const Int16 value = TextToInt16(text);
        if (TextToInt16(Int16ToText(value)) != value)
            std::abort(); // counter round trip
    } catch (const RuntimeError&) {
    }
}

void CoordinateRoundTrip(const std::string& text)
{
    try {
        const float value = TextToSingle(text);
        if (value != value)
            std::abort(); // coordinate is a number
        if (TextToSingle(SingleToText(value)) != value)
            std::abort(); // coordinate round trip
    } catch (const RuntimeError&) {
    }
}

}
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    pairfall::testing::CounterRoundTrip(text);
    pairfall::testing::CoordinateRoundTrip(text);
    return 0;
}
