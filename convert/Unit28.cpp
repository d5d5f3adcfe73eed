#include "Unit28.h"

#include "quantities.h"

TForm28 *Form28 = nullptr;

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

TForm28::TForm28(const calc::Context &context)
    : ConversionScreen(convert::areaMeasures(), QSize(377, 246), QPoint(322, 247), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form28"));
}
