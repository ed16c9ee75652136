#include "game/Conversions.h"

#include "game/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace pairfall {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// True when text is digits [. digits] [e [sign] digits] with at least one
// mantissa digit: the only shape handed to from_chars, which would also
// take "inf", "nan" and hexadecimal forms.
bool IsPlainDecimal(std::string_view text)
{
    std::size_t i = 0;
    std::size_t mantissaDigits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    return i == text.size();
}

double TextToDouble(std::string_view text)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!IsPlainDecimal(text))
        throw RuntimeError::TypeMismatch();
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        throw RuntimeError::Overflow();
    if (error != std::errc() || end != text.data() + text.size())
        throw RuntimeError::TypeMismatch();
    return negative ? -value : value;
}

}

Int16 TextToInt16(std::string_view text)
{
    return RoundToInt16(TextToDouble(text));
}

float TextToSingle(std::string_view text)
{
    const double value = TextToDouble(text);
    // Halfway past the largest float is where rounding would give infinity.
    constexpr double FloatLimit = 0x1.ffffffp127;
    constexpr float FloatMax = std::numeric_limits<float>::max();
    if (std::fabs(value) >= FloatLimit)
        throw RuntimeError::Overflow();
    if (std::fabs(value) > FloatMax)
        return value < 0 ? -FloatMax : FloatMax;
    return static_cast<float>(value);
}

std::string Int16ToText(Int16 value)
{
    return std::to_string(value);
}

std::string SingleToText(float value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc())
        throw RuntimeError::Overflow();
    return std::string(buffer, end);
}

}
