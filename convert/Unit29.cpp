#include "Unit29.h"

#include "quantities.h"

TForm29 *Form29 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    return {
        .heading = {128, 16}, .valueCaption = {8, 64}, .value = {80, 56}, .fromList = {208, 56},
        .toCaption = {104, 104}, .toList = {128, 96}, .roundingCaption = {16, 152}, .roundingList = {112, 144},
        .roundingTail = {263, 152}, .button = {136, 184}, .answer = {16, 216}, .fromListWidth = 161,
        .toListWidth = 169, .tabOrder = convert::kValueFirst};
}

}  // namespace

TForm29::TForm29(const calc::Context &context)
    : ConversionScreen(convert::solidVolume(), QSize(377, 246), QPoint(316, 254), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form29"));
}
