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

// The figures with a drawing: the fields stand left of it.
namespace {
constexpr int kDrawingSize = 100;
constexpr int kBesideDrawing = 16 + kDrawingSize + 16;
QRect drawingAt(int clientWidth, int y) { return {clientWidth - 16 - kDrawingSize, y, kDrawingSize, kDrawingSize}; }
}  // namespace

const Figure &trapezoid()
{
    static const Figure figure{
        .objectName = "Form14",
        .caption = QStringLiteral("Трапеция"),
        .clientSize = {421, 283},
        .position = {650, 140},
        .title = QStringLiteral("Площадь трапеции"),
        .titlePixelHeight = 13,
        .rows = {
            {48, {{"Label5", QStringLiteral("a :"), 1, 19}}, "Edit1"},
            {84, {{"Label2", QStringLiteral("b:")}}, "Edit2"},
            {120, {{"Label3", QStringLiteral("h:")}}, "Edit3"},
        },
        .bottomY = 170,
        .modes = {
            {QString(), {"Edit1", "Edit2", "Edit3"}, InputKind::Real,
             [](const V &v) { return area::trapezoid(v[0], v[1], v[2]); }, {}, kPlain},
        },
        .drawing = drawingAt(421, 40),
        .fieldMargin = kBesideDrawing,
    };
    return figure;
}

const Figure &regularPolygon()
{
    static const Figure figure{
        .objectName = "Form16",
        .caption = QStringLiteral("Правильный многоугольник"),
        .clientSize = {414, 263},
        .position = {660, 150},
        .title = QStringLiteral("Площадь правильного многоугольника"),
        .titlePixelHeight = 13,
        .modeRow = Row{40, {{"Label3", QStringLiteral("Найти площадь по:")}}, "RzComboBox3"},
        .rows = {
            {72, {{"Label2", QStringLiteral("Число сторон:")}}, "Edit1"},
            {102, {{"Label8", QStringLiteral("r:")}, {"Label5", QStringLiteral("R:")}}, "Edit2"},
            {132, {{"Label9", QStringLiteral("s:")}}, "Edit3"},
        },
        .bottomY = 166,
        .modes = {
            {QStringLiteral("По 1-ой формуле"), {"Edit1", "Edit2", "Edit3"}, InputKind::Real,
             [](const V &v) { return polygonByInradius(v[0], v[1], v[2]); }, {"Label8"}, kPlain},
            {QStringLiteral("По 2-ой формуле"), {"Edit1", "Edit2", "Edit3"}, InputKind::Real,
             [](const V &v) { return polygonByCircumradius(v[0], v[1], v[2]); }, {"Label5"}, kPlain},
        },
        .drawing = drawingAt(414, 40),
        .fieldWidth = 150,
        .fieldMargin = kBesideDrawing,
    };
    return figure;
}

const Figure &ellipse()
{
    static const Figure figure{
        .objectName = "Form17",
        .caption = QStringLiteral("Эллипс"),
        .clientSize = {391, 240},
        .position = {670, 160},
        .title = QStringLiteral("Площадь эллипса"),
        .titlePixelHeight = 13,
        .rows = {
            {52, {{"Label2", QStringLiteral("a:")}}, "Edit1"},
            {88, {{"Label8", QStringLiteral("b:")}}, "Edit2"},
        },
        .bottomY = 136,
        .modes = {
            {QString(), {"Edit1", "Edit2"}, InputKind::Real, [](const V &v) { return area::ellipse(v[0], v[1]); }, {},
             kPlain},
        },
        .drawing = drawingAt(391, 34),
        .fieldMargin = kBesideDrawing,
    };
    return figure;
}

const Figure &semicircle()
{
    static const Figure figure{
        .objectName = "Form19",
        .caption = QStringLiteral("Полукруг"),
        .clientSize = {412, 234},
        .position = {690, 180},
        .title = QStringLiteral("Площадь полукруга"),
        .titlePixelHeight = 11,
        .modeRow = Row{40, {{"Label3", QStringLiteral("Найти площадь:")}}, "RzComboBox3"},
        .rows = {
            {76, {{"Label8", QStringLiteral("Размер радиуса:")}, {"Label2", QStringLiteral("Размер диаметра:")}}, "Edit2"},
        },
        .bottomY = 112,
        .modes = {
            {QStringLiteral("По радиусу"), {"Edit2"}, InputKind::Real,
             [](const V &v) { return semicircleByRadius(v[0]); }, {"Label8"}, kBilingualTexts},
            {QStringLiteral("По диаметру"), {"Edit2"}, InputKind::Whole,
             [](const V &v) { return semicircleByDiameter(v[0]); }, {"Label2"}, kBilingualTexts},
        },
        .startMode = 1,
        .drawing = drawingAt(412, 30),
        .fieldWidth = 150,
        .fieldMargin = kBesideDrawing,
    };
    return figure;
}

}  // namespace area
