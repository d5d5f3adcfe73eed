#include "Unit52.h"

TForm52 *Form52 = nullptr;

namespace {

const solve::EquationDesign &design()
{
    static const QString kExample = QStringLiteral("Например:    - 5  X                   + 2 X               -124        =0");
    static const QString x = QStringLiteral("X=");
    static const solve::EquationDesign biquadratic{
        "Form52",
        QStringLiteral("Биквадоатное уравнение"),
        QSize(408, 292),
        QPoint(235, 140),
        {
            {"Label1", QStringLiteral("Биквадратное уравнение"), {144, 8}, 13},
            {"Label2", QStringLiteral("Введите значения коэффициентов"), {128, 32}, 11},
            {"Label3", QStringLiteral("X"), {128, 64}, 16},
            {"Label4", QStringLiteral("4"), {143, 56}, 11},
            {"Label5", QStringLiteral("X"), {240, 64}, 16},
            {"Label14", QStringLiteral("2"), {253, 56}, 11},
            {"Label6", QStringLiteral("= 0"), {368, 64}, 16},
            {"Label7", kExample, {16, 96}, 15},
            {"Label13", QStringLiteral("4"), {121, 87}, 11, "Label7", kExample.left(kExample.indexOf(u'X') + 1)},
            {"Label15", QStringLiteral("2"), {253, 87}, 11, "Label7", kExample.left(kExample.lastIndexOf(u'X') + 1)},
            {"Label11", QStringLiteral("Округлить до:"), {16, 136}, 11},
            {"Label12", QStringLiteral("нулей после запятой"), {263, 136}, 11},
            {"Label18", QStringLiteral("Корни:"), {16, 208}, 11},
        },
        {QRect(40, 64, 81, 21), QRect(160, 64, 73, 21), QRect(280, 64, 81, 21)},
        {104, 128},
        {144, 160},
        {"Label8", QStringLiteral("D="), {16, 184}, 16},
        {{"Label9", x, {35, 224}, 11},
         {"Label10", x, {35, 240}, 11},
         {"Label16", x, {35, 256}, 11},
         {"Label17", x, {35, 272}, 11}},
        false,
        false,
        &solve::biquadratic,
    };
    return biquadratic;
}

}  // namespace

TForm52::TForm52(const calc::Context &context) : EquationScreen(design(), context) {}
