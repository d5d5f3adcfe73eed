#include "Unit22.h"

#include "quantities.h"

TForm22 *Form22 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    convert::Layout layout = convert::mechanicsLayout();
    layout.heading = {144, 16};
    layout.button = {160, 168};
    layout.tabOrder = convert::kRoundingFirst;
    return layout;
}

}  // namespace

TForm22::TForm22(const calc::Context &context)
    : ConversionScreen(convert::force(), QSize(400, 234), QPoint(297, 237), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form22"));
}
