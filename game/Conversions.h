#pragma once

#include "game/Numbers.h"

#include <string>
#include <string_view>

// The text forms of the stored values.  Anything at all may stand in the
// settings file, so every reader checks the whole text: a text that is not a
// number is "Type mismatch", a number outside the type's range "Overflow".
namespace pairfall {

// Surrounding spaces, a sign, digits, a fraction and an exponent are taken;
// a fraction is rounded to the nearest integer, an exact half to the even one.
Int16 TextToInt16(std::string_view text);

// A window coordinate in twips.
float TextToSingle(std::string_view text);

// Decimal digits, a leading minus sign when negative.
std::string Int16ToText(Int16 value);

// The shortest text that converts back to exactly the same value
// (a whole number of twips is plain digits: "1000", "-120").
std::string SingleToText(float value);

}
