#include "Unit11.h"

TForm11 *Form11 = nullptr;

namespace {

const solve::EquationDesign &design()
{
    static const QString kExample = QStringLiteral("Например:    - 5  X                   + 2 X               -124            =0");
    static const solve::EquationDesign quadratic{
        "Form11",
        QStringLiteral("Квадратное уравнение"),
        QSize(435, 271),
        QPoint(272, 207),
        {
            {"Label1", QStringLiteral("Квадратное уравнение"), {144, 8}, 13},
            {"Label2", QStringLiteral("Введите значения коэффициентов"), {128, 32}, 11},
            {"Label3", QStringLiteral("X"), {128, 64}, 16},
            {"Label4", QStringLiteral("2"), {144, 56}, 11},
            {"Label5", QStringLiteral("X"), {240, 64}, 16},
            {"Label6", QStringLiteral("= 0"), {384, 64}, 16},
            {"Label7", kExample, {16, 96}, 15},
            {"Label13", QStringLiteral("2"), {121, 87}, 11, "Label7", kExample.left(kExample.indexOf(u'X') + 1)},
            {"Label11", QStringLiteral("Округлить до:"), {48, 136}, 11},
            {"Label12", QStringLiteral("нулей после запятой"), {311, 136}, 11},
        },
        {QRect(40, 64, 81, 21), QRect(160, 64, 73, 21), QRect(280, 64, 81, 21)},
        {144, 128},
        {160, 160},
        {"Label8", QStringLiteral("D="), {40, 192}, 16},
        {{"Label9", QString(), {32, 224}, 11}, {"Label10", QString(), {32, 248}, 11}},
        true,
        true,
        &solve::quadratic,
    };
    return quadratic;
}

}  // namespace

TForm11::TForm11(const calc::Context &context) : EquationScreen(design(), context) {}
