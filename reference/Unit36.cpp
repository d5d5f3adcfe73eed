#include "Unit36.h"

TForm36 *Form36 = nullptr;

namespace {

// "Характеристика:" over the row captions on the left, "Выберите планету:"
// over the list on the right, then one row per characteristic.
reference::LookupLayout planetsLayout()
{
    const auto row = [](const char *name, int k, int pixelHeight) {
        const int y = 76 + 25 * k;
        return reference::LookupLayout::Value{name, QRect(112, y, 342, pixelHeight == 16 ? 22 : 32), pixelHeight,
                                              QRect(16, y + 2, 92, 18)};
    };
    return {QSize(462, 208),
            QPoint(262, 260),
            false,
            "RzComboBox4",
            QRect(250, 12, 196, 18),
            QRect(250, 34, 196, 26),
            QRect(16, 12, 200, 18),
            {row("Label5", 0, 16), row("Label11", 1, 16), row("Label7", 2, 16), row("Label9", 3, 16),
             row("Label10", 4, 13)}};
}

}  // namespace

TForm36::TForm36(const calc::Context &context) : LookupScreen(reference::planets(), planetsLayout(), context)
{
    setObjectName(QStringLiteral("Form36"));
}
