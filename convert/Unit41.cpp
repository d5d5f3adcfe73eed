#include "Unit41.h"

#include "quantities.h"

TForm41 *Form41 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    return {
        .heading = {128, 16}, .valueCaption = {8, 64}, .value = {80, 56}, .fromList = {208, 56},
        .toCaption = {104, 104}, .toList = {128, 96}, .roundingCaption = {16, 152}, .roundingList = {112, 144},
        .roundingTail = {261, 152}, .button = {136, 184}, .answer = {16, 216}, .fromListWidth = 161,
        .toListWidth = 169, .tabOrder = convert::kValueFirst};
}

}  // namespace

TForm41::TForm41(const calc::Context &context)
    : ConversionScreen(convert::angle(), QSize(377, 245), QPoint(328, 240), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form41"));
}
