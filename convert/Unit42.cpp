#include "Unit42.h"

#include "quantities.h"

TForm42 *Form42 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    return {
        .heading = {128, 16}, .valueCaption = {8, 64}, .value = {80, 56}, .fromList = {208, 56},
        .toCaption = {104, 104}, .toList = {128, 96}, .roundingCaption = {16, 152}, .roundingList = {112, 144},
        .roundingTail = {261, 152}, .button = {136, 184}, .answer = {16, 216}, .fromListWidth = 185,
        .toListWidth = 185, .tabOrder = convert::kValueFirst};
}

}  // namespace

TForm42::TForm42(const calc::Context &context)
    : ConversionScreen(convert::energy(), QSize(399, 245), QPoint(312, 231), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form42"));
}
