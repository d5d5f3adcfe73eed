#include "Unit23.h"

#include "quantities.h"

TForm23 *Form23 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    convert::Layout layout = convert::mechanicsLayout();
    layout.heading = {136, 16};
    layout.fromList = {224, 48};
    layout.button = {160, 168};
    layout.fromListWidth = 185;
    layout.toListWidth = 177;
    layout.tabOrder = convert::kRoundingFirst;
    return layout;
}

}  // namespace

TForm23::TForm23(const calc::Context &context)
    : ConversionScreen(convert::power(), QSize(421, 235), QPoint(293, 245), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form23"));
}
