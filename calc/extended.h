// Results computed in extended precision, stored as doubles.
#pragma once

#include <cmath>
#include <limits>

namespace calc {

static_assert(std::numeric_limits<long double>::digits == 64, "extended precision long double required");

// The double nearest to an extended value; beyond the range of double an
// infinity (half-way between the largest double and 2^1024 rounds up, to
// even), an undefined value stays undefined.
inline double toDouble(long double value)
{
    static const long double overflow = std::ldexp(1.0L, 1024) - std::ldexp(1.0L, 970);
    if (std::isnan(value))
        return std::numeric_limits<double>::quiet_NaN();
    if (std::fabs(value) >= overflow)
        return value < 0 ? -HUGE_VAL : HUGE_VAL;
    return static_cast<double>(value);
}

}  // namespace calc
