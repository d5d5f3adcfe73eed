#include "Unit42.h"

#include "quantities.h"

TForm42 *Form42 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    convert::Layout layout = convert::measuresLayout();
    layout.roundingTail = {261, 152};
    layout.fromListWidth = 185;
    layout.toListWidth = 185;
    return layout;
}

}  // namespace

TForm42::TForm42(const calc::Context &context)
    : ConversionScreen(convert::energy(), QSize(399, 245), QPoint(312, 231), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form42"));
}
