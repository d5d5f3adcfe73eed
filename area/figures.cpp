#include "figures.h"

#include "areas.h"
#include "texts.h"

namespace area {

namespace {

using calc::InputKind;
using V = std::vector<double>;

const calc::PositivityTexts kPlain{calc::kInvalidValue, calc::kInvalidValue};
const QString kBilingual =
    QStringLiteral("Русский: Ошибка! Вы ввели неправильное значение!!!   English: Error! You entered wrong importance!!!");
const calc::PositivityTexts kBilingualTexts{kBilingual, kBilingual};

const QString kHeightCaption = QStringLiteral("Размер  высоты, проведённой к этой стороне:");

}  // namespace

const Mode *modeFor(const Figure &figure, const QString &item)
{
    for (const Mode &mode : figure.modes)
        if (mode.item == item)
            return &mode;
    return nullptr;
}

calc::Outcome compute(const Mode &mode, const std::vector<QString> &inputs, const QString &rounding,
                      QChar decimalSeparator)
{
    std::vector<calc::InputText> texts;
    texts.reserve(inputs.size());
    for (const QString &text : inputs)
        texts.push_back({text, mode.kind});
    return calc::computePositive(texts, rounding, mode.formula, mode.texts, decimalSeparator);
}

const Figure &square()
{
    static const Figure figure{
        .objectName = "Form2",
        .caption = QStringLiteral("Квадрат"),
        .clientSize = {436, 234},
        .position = {680, 150},
        .title = QStringLiteral("Площадь квадрата"),
        .titlePixelHeight = 13,
        .modeRow = Row{42, {{"Label2", QStringLiteral("Найти площадь по:")}}, "RzComboBox1"},
        .rows = {
            {78, {{"Label3", QStringLiteral("Размер стороны:")}, {"Label5", QStringLiteral("Размер диагонали:")}}, "Edit1"},
        },
        .bottomY = 116,
        .modes = {
            {QStringLiteral("Одной стороне"), {"Edit1"}, InputKind::Real,
             [](const V &v) { return squareBySide(v[0]); }, {"Label3"}, kPlain},
            {QStringLiteral("По диагонали"), {"Edit1"}, InputKind::Whole,
             [](const V &v) { return squareByDiagonal(v[0]); }, {"Label5"}, kPlain},
        },
    };
    return figure;
}

const Figure &rectangle()
{
    static const Figure figure{
        .objectName = "Form3",
        .caption = QStringLiteral("Прямоугольник"),
        .clientSize = {408, 255},
        .position = {660, 130},
        .title = QStringLiteral("Площадь прямоугольника"),
        .titlePixelHeight = 13,
        .modeRow = Row{42, {{"Label3", QStringLiteral("Найти площадь по:")}}, "RzComboBox3"},
        .rows = {
            {78, {{"Label8", QStringLiteral("Размер одной стороны:")}}, "Edit2"},
            {110, {{"Label9", QStringLiteral("Размер другой стороны:")}, {"Label10", QStringLiteral("Размер диагонали:")}},
             "Edit3"},
        },
        .bottomY = 146,
        .modes = {
            {QStringLiteral("По двум сторонам"), {"Edit2", "Edit3"}, InputKind::Real,
             [](const V &v) { return rectangleByTwoSides(v[0], v[1]); }, {"Label9"}, kPlain},
            {QStringLiteral("По диагонали и одной стороне"), {"Edit2", "Edit3"}, InputKind::Whole,
             [](const V &v) { return rectangleByDiagonalAndSide(v[0], v[1]); }, {"Label10"}, kBilingualTexts},
        },
        .nanMessage = QStringLiteral(
            "Русский: Ошибка! Не может быть такого прямоугольника!!!English: Error! Can not be such rectangle!!!"),
    };
    return figure;
}

const Figure &parallelogram()
{
    static const Figure figure{
        .objectName = "Form4",
        .caption = QStringLiteral("Параллелограмм"),
        .clientSize = {412, 255},
        .position = {700, 170},
        .title = QStringLiteral("Площадь параллелограмма"),
        .titlePixelHeight = 13,
        .rows = {
            {46, {{"Label5", QStringLiteral("Размер стороны:")}}, "Edit1"},
            {92, {{"Label2", kHeightCaption, 3}}, "Edit2"},
        },
        .bottomY = 146,
        .modes = {
            {QString(), {"Edit1", "Edit2"}, InputKind::Real, [](const V &v) { return parallelogram(v[0], v[1]); }, {},
             kPlain},
        },
    };
    return figure;
}

const Figure &triangle()
{
    static const Figure figure{
        .objectName = "Form5",
        .caption = QStringLiteral("Треугольник"),
        .clientSize = {442, 290},
        .position = {640, 110},
        .title = QStringLiteral("Площадь треугольника"),
        .titlePixelHeight = 13,
        .modeRow = Row{42, {{"Label3", QStringLiteral("Найти площадь:")}}, "RzComboBox3"},
        .rows = {
            {78, {{"Label5", QStringLiteral("Размер стороны:")}}, "Edit1"},
            {118, {{"Label2", kHeightCaption, 3}, {"Label8", QStringLiteral("Размер второй стороны:")}}, "Edit2"},
            {158, {{"Label9", QStringLiteral("Размер третьей стороны:")}}, "Edit3"},
        },
        .bottomY = 194,
        .modes = {
            {QStringLiteral("По стороне и высоте"), {"Edit1", "Edit2"}, InputKind::Real,
             [](const V &v) { return triangleBySideAndHeight(v[0], v[1]); }, {"Label2"}, kPlain},
            {QStringLiteral("По трём сторонам"), {"Edit1", "Edit2", "Edit3"}, InputKind::Whole,
             [](const V &v) { return triangleByThreeSides(v[0], v[1], v[2]); }, {"Label8", "Label9", "Edit3"},
             kPlain},
        },
        .nanMessage = QStringLiteral(
            "Русский: Ошибка! Не может быть такого треугольника!!!English: Error! Can not be such triangle!!!"),
    };
    return figure;
}

const Figure &circle()
{
    static const Figure figure{
        .objectName = "Form6",
        .caption = QStringLiteral("Круг"),
        .clientSize = {410, 227},
        .position = {720, 190},
        .title = QStringLiteral("Площадь круга"),
        .titlePixelHeight = 11,
        .modeRow = Row{40, {{"Label3", QStringLiteral("Найти площадь:")}}, "RzComboBox3"},
        .rows = {
            {76, {{"Label8", QStringLiteral("Размер радиуса:")}, {"Label2", QStringLiteral("Размер диаметра:")}}, "Edit2"},
        },
        .bottomY = 112,
        .modes = {
            {QStringLiteral("По радиусу"), {"Edit2"}, InputKind::Real, [](const V &v) { return circleByRadius(v[0]); },
             {"Label8"}, kPlain},
            {QStringLiteral("По диаметру"), {"Edit2"}, InputKind::Whole,
             [](const V &v) { return circleByDiameter(v[0]); }, {"Label2"}, kPlain},
        },
    };
    return figure;
}

}  // namespace area
