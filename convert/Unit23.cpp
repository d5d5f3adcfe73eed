#include "Unit23.h"

#include "quantities.h"

TForm23 *Form23 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    return {
        .heading = {136, 16}, .valueCaption = {16, 56}, .value = {88, 48}, .fromList = {224, 48},
        .toCaption = {128, 96}, .toList = {160, 88}, .roundingCaption = {24, 136}, .roundingList = {120, 128},
        .roundingTail = {271, 136}, .button = {160, 168}, .answer = {16, 200}, .fromListWidth = 185,
        .toListWidth = 177, .tabOrder = convert::kRoundingFirst};
}

}  // namespace

TForm23::TForm23(const calc::Context &context)
    : ConversionScreen(convert::power(), QSize(421, 235), QPoint(293, 245), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form23"));
}
