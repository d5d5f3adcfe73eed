// QString front end of the number conversions.
#pragma once

#include "numbers.h"

#include <QString>

namespace calc {

inline std::u16string_view view(const QString &text)
{
    return {reinterpret_cast<const char16_t *>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline std::optional<double> StrToFloat(const QString &text, QChar decimalSeparator)
{
    return StrToFloat(view(text), decimalSeparator.unicode());
}

inline std::optional<std::int32_t> StrToInt(const QString &text) { return StrToInt(view(text)); }

inline QString FloatToStrF(double value, int digits, QChar decimalSeparator)
{
    const std::u16string text = FloatToStrF(value, digits, decimalSeparator.unicode());
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString FloatToStrGeneral(double value, int exponentDigits, QChar decimalSeparator)
{
    const std::u16string text = FloatToStrGeneral(value, exponentDigits, decimalSeparator.unicode());
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace calc
