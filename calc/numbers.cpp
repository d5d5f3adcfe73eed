#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace calc {

namespace {

constexpr char16_t kBlank = u' ';

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int hexValue(char16_t c)
{
    if (isAsciiDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Exponent values beyond this are saturated; any number with such an exponent
// is far outside the range of double either way.
constexpr std::int64_t kExponentLimit = 100'000'000;

}  // namespace

std::optional<double> StrToFloat(std::u16string_view text, char16_t decimalSeparator)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == kBlank)
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    // Significant digits without leading zeros; `fractionDigits` counts how
    // many of all mantissa digits (zeros included) stood after the separator.
    std::string significant;
    std::int64_t fractionDigits = 0;
    bool anyDigit = false;
    bool separator = false;

    auto takeDigits = [&](bool afterSeparator) {
        while (i < n && isAsciiDigit(text[i])) {
            anyDigit = true;
            if (afterSeparator)
                ++fractionDigits;
            if (!significant.empty() || text[i] != u'0')
                significant.push_back(static_cast<char>(text[i]));
            ++i;
        }
    };

    takeDigits(false);
    if (i < n && text[i] == decimalSeparator && !isAsciiDigit(decimalSeparator)) {
        separator = true;
        ++i;
        takeDigits(true);
    }
    if (!anyDigit && !separator)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        if (i >= n || !isAsciiDigit(text[i]))
            return std::nullopt;
        while (i < n && isAsciiDigit(text[i])) {
            if (exponent < kExponentLimit)
                exponent = exponent * 10 + (text[i] - u'0');
            ++i;
        }
        if (negativeExponent)
            exponent = -exponent;
    }

    while (i < n && text[i] == kBlank)
        ++i;
    if (i != n)
        return std::nullopt;

    const double zero = negative ? -0.0 : 0.0;
    if (significant.empty())
        return zero;

    // value = significant x 10^scale; the leading digit stands at 10^lead.
    const std::int64_t scale = exponent - fractionDigits;
    const std::int64_t lead = scale + static_cast<std::int64_t>(significant.size()) - 1;
    if (lead > 400)
        return std::nullopt;
    if (lead < -400)
        return zero;

    std::string literal = std::move(significant);
    literal.push_back('e');
    literal += std::to_string(scale);

    double value = 0;
    const auto [end, error] = std::from_chars(literal.data(), literal.data() + literal.size(), value,
                                              std::chars_format::scientific);
    if (error == std::errc::result_out_of_range) {
        if (lead >= 0)
            return std::nullopt;
        return zero;
    }
    if (error != std::errc() || end != literal.data() + literal.size())
        return std::nullopt;
    if (!std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int32_t> StrToInt(std::u16string_view text)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == kBlank)
        ++i;

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }

    int base = 10;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }

    constexpr std::uint64_t kLimit = std::uint64_t{1} << 31;  // |INT32_MIN|
    std::uint64_t magnitude = 0;
    bool anyDigit = false;
    for (; i < n; ++i) {
        const int digit = base == 16 ? hexValue(text[i]) : (isAsciiDigit(text[i]) ? text[i] - u'0' : -1);
        if (digit < 0)
            return std::nullopt;
        anyDigit = true;
        magnitude = magnitude * base + digit;
        if (magnitude > kLimit)
            return std::nullopt;
    }
    if (!anyDigit)
        return std::nullopt;
    if (negative)
        return static_cast<std::int32_t>(-static_cast<std::int64_t>(magnitude));
    if (magnitude > kLimit - 1)
        return std::nullopt;
    return static_cast<std::int32_t>(magnitude);
}

namespace {

constexpr int kSignificantDigits = 18;

// The magnitude of a finite, non-zero value as its 18 most significant
// decimal digits and the decimal exponent of the first of them.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

Decimal toDecimal(double magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal decimal;
    const std::size_t e = text.find('e');
    for (std::size_t k = 0; k < e; ++k)
        if (text[k] != '.')
            decimal.digits.push_back(text[k]);
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(), decimal.exponent);
    return decimal;
}

// Keeps the first `keep` digits, rounding half up on the decimal digits.
// Returns false when nothing is left (the value rounds to 0).
bool roundDigits(Decimal &decimal, int keep)
{
    if (keep >= static_cast<int>(decimal.digits.size()))
        return true;
    if (keep < 0)
        return false;
    const bool up = decimal.digits[keep] >= '5';
    decimal.digits.resize(keep);
    if (up) {
        int k = keep - 1;
        while (k >= 0 && decimal.digits[k] == '9')
            decimal.digits[k--] = '0';
        if (k >= 0) {
            ++decimal.digits[k];
        } else {
            decimal.digits.insert(decimal.digits.begin(), '1');
            ++decimal.exponent;
        }
    }
    return decimal.digits.find_first_not_of('0') != std::string::npos;
}

std::u16string ascii(std::string_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

std::u16string FloatToStrF(double value, int digits, char16_t decimalSeparator)
{
    if (std::isnan(value))
        return u"NAN";
    if (std::isinf(value))
        return value < 0 ? u"-INF" : u"INF";
    digits = std::clamp(digits, 0, kSignificantDigits);

    std::u16string out;
    Decimal decimal;
    bool nonZero = value != 0;
    if (nonZero) {
        decimal = toDecimal(std::fabs(value));
        const int integerDigits = decimal.exponent + 1;
        nonZero = roundDigits(decimal, std::min(kSignificantDigits, integerDigits + digits));
    }
    if (!nonZero)
        decimal = Decimal{"0", 0};
    if (nonZero && value < 0)
        out.push_back(u'-');

    const int integerDigits = decimal.exponent + 1;
    auto digitAt = [&](int position) -> char16_t {
        return position >= 0 && position < static_cast<int>(decimal.digits.size()) ? decimal.digits[position] : u'0';
    };

    if (integerDigits > kSignificantDigits) {
        std::string significant = decimal.digits;
        significant.erase(significant.find_last_not_of('0') + 1);
        out.push_back(significant[0]);
        if (significant.size() > 1) {
            out.push_back(decimalSeparator);
            out += ascii(std::string_view(significant).substr(1));
        }
        std::string exponent = std::to_string(decimal.exponent);
        if (digits <= 4 && static_cast<int>(exponent.size()) < digits)
            exponent.insert(0, digits - exponent.size(), '0');
        out.push_back(u'E');
        out += ascii(exponent);
        return out;
    }

    if (integerDigits <= 0) {
        out.push_back(u'0');
    } else {
        for (int k = 0; k < integerDigits; ++k)
            out.push_back(digitAt(k));
    }
    if (digits > 0) {
        out.push_back(decimalSeparator);
        for (int k = 0; k < digits; ++k)
            out.push_back(digitAt(integerDigits + k));
    }
    return out;
}

std::u16string FloatToStrGeneral(double value, int exponentDigits, char16_t decimalSeparator)
{
    if (std::isnan(value))
        return u"NAN";
    if (std::isinf(value))
        return value < 0 ? u"-INF" : u"INF";
    if (value == 0)
        return u"0";

    Decimal decimal = toDecimal(std::fabs(value));
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    const std::string_view digits = decimal.digits;
    const int count = static_cast<int>(digits.size());
    // The value is 0.ddd x 10^point.
    const int point = decimal.exponent + 1;

    std::u16string out;
    if (value < 0)
        out.push_back(u'-');
    if (point >= -3 && point <= kSignificantDigits) {
        if (point >= 1) {
            for (int k = 0; k < point; ++k)
                out.push_back(k < count ? char16_t(digits[k]) : u'0');
            if (count > point) {
                out.push_back(decimalSeparator);
                out += ascii(digits.substr(point));
            }
        } else {
            out.push_back(u'0');
            out.push_back(decimalSeparator);
            out.append(-point, u'0');
            out += ascii(digits);
        }
        return out;
    }

    out.push_back(digits[0]);
    if (count > 1) {
        out.push_back(decimalSeparator);
        out += ascii(digits.substr(1));
    }
    out.push_back(u'E');
    if (decimal.exponent < 0)
        out.push_back(u'-');
    std::string exponent = std::to_string(std::abs(decimal.exponent));
    if (exponentDigits <= 4 && static_cast<int>(exponent.size()) < exponentDigits)
        exponent.insert(0, exponentDigits - exponent.size(), '0');
    out += ascii(exponent);
    return out;
}

}  // namespace calc
