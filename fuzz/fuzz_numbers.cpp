// Any text through the parsers, any double through the formatter.
#include "numbers.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The bytes as UTF-16 code units, and as plain ASCII, so both wide
    // characters and the grammar's own characters are reached.
    std::u16string wide(size / 2, u'\0');
    std::memcpy(wide.data(), data, wide.size() * 2);
    const std::u16string narrow(data, data + size);

    for (const std::u16string &text : {wide, narrow}) {
        for (char16_t separator : {u',', u'.'}) {
            if (const auto value = calc::StrToFloat(text, separator)) {
                if (!std::isfinite(*value))
                    std::abort();
            }
        }
        calc::StrToInt(text);
    }

    if (size >= 9) {
        double value;
        std::memcpy(&value, data, sizeof value);
        const int digits = static_cast<std::int8_t>(data[8]);
        const std::u16string text = calc::FloatToStrF(value, digits, u',');
        if (std::isfinite(value)) {
            // Every finite answer reads back; with 18 places a value of at
            // least 1 shows all its 18 significant digits and reads back exactly.
            const auto back = calc::StrToFloat(text, u',');
            if (!back)
                std::abort();
            if (std::fabs(value) >= 1 && digits >= 18 && *back != value)
                std::abort();
        } else if (text != u"NAN" && text != u"INF" && text != u"-INF") {
            std::abort();
        }
        // The general format keeps 18 significant digits of every value, so
        // a finite one always reads back exactly.
        const std::u16string general = calc::FloatToStrGeneral(value, digits, u',');
        if (std::isfinite(value)) {
            const auto back = calc::StrToFloat(general, u',');
            if (!back || *back != value)
                std::abort();
        } else if (general != text) {
            std::abort();
        }
    }
    return 0;
}
