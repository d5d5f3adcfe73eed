#include "Unit41.h"

#include "quantities.h"

TForm41 *Form41 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    convert::Layout layout = convert::measuresLayout();
    layout.roundingTail = {261, 152};
    return layout;
}

}  // namespace

TForm41::TForm41(const calc::Context &context)
    : ConversionScreen(convert::angle(), QSize(377, 245), QPoint(328, 240), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form41"));
}
