#include "Unit21.h"

#include "quantities.h"

TForm21 *Form21 = nullptr;

namespace {

convert::Layout controlPlaces()
{
    return {
        .heading = {128, 16}, .valueCaption = {16, 56}, .value = {88, 48}, .fromList = {232, 48},
        .toCaption = {128, 96}, .toList = {160, 88}, .roundingCaption = {24, 136}, .roundingList = {120, 128},
        .roundingTail = {271, 136}, .button = {144, 168}, .answer = {16, 200}, .fromListWidth = 145,
        .toListWidth = 145, .tabOrder = convert::kValueFirst};
}

}  // namespace

TForm21::TForm21(const calc::Context &context)
    : ConversionScreen(convert::pressure(), QSize(396, 243), QPoint(284, 259), context, controlPlaces())
{
    setObjectName(QStringLiteral("Form21"));
}
