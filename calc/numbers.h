// Text <-> number conversions of the calculator screens.
//
// Everything here is locale-independent: the decimal separator is passed in,
// and only ASCII digits and ASCII blanks (U+0020) are recognised. No C library
// conversion (strtod, printf) is used, because those follow the process locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calc {

// Real number: blanks, optional sign, digits with at most one separator,
// optional exponent (E/e, optional sign, digits), blanks, and nothing else.
// A text without digits and separator fails, as does a value beyond the
// range of double. Values too small for double become 0 (or a subnormal).
std::optional<double> StrToFloat(std::u16string_view text, char16_t decimalSeparator);

// Whole number: leading blanks, optional sign, decimal digits or hexadecimal
// digits after "$", "x", "X", "0x" or "0X", nothing after them. The value,
// sign included, must fit a signed 32-bit integer.
std::optional<std::int32_t> StrToInt(std::u16string_view text);

// Fixed format with 18 significant digits and `digits` places after the
// separator ("NAN", "INF", "-INF" for the special values; scientific form
// once the integer part needs more than 18 digits). Negative `digits` count
// as 0, more than 18 as 18.
std::u16string FloatToStrF(double value, int digits, char16_t decimalSeparator);

// General format with 18 significant digits: the shortest of those digits
// (trailing zeros dropped), in fixed notation while the value written as
// 0.ddd x 10^E has -3 <= E <= 18, otherwise as d.ddd, "E", an optional "-"
// and the exponent with at least `exponentDigits` digits (padded with zeros
// when `exponentDigits` is 4 or less). "NAN", "INF", "-INF" as above; zero
// is "0".
std::u16string FloatToStrGeneral(double value, int exponentDigits, char16_t decimalSeparator);

}  // namespace calc
