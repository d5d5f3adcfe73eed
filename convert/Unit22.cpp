#include "Unit22.h"

#include "quantities.h"

TForm22 *Form22 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    return {
        .heading = {144, 16}, .valueCaption = {16, 56}, .value = {88, 48}, .fromList = {232, 48},
        .toCaption = {128, 96}, .toList = {160, 88}, .roundingCaption = {24, 136}, .roundingList = {120, 128},
        .roundingTail = {271, 136}, .button = {160, 168}, .answer = {16, 200}, .fromListWidth = 145,
        .toListWidth = 145, .tabOrder = convert::kRoundingFirst};
}

}  // namespace

TForm22::TForm22(const calc::Context &context)
    : ConversionScreen(convert::force(), QSize(400, 234), QPoint(297, 237), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form22"));
}
