#include "Unit3.h"

#include "areas.h"

#include <QPushButton>

TForm3 *Form3 = nullptr;

namespace {
const QString kByTwoSides = QStringLiteral("По двум сторонам");
const QString kByDiagonalAndSide = QStringLiteral("По диагонали и одной стороне");
const QString kBilingualInvalid =
    QStringLiteral("Русский: Ошибка! Вы ввели неправильное значение!!!   English: Error! You entered wrong importance!!!");
}  // namespace

TForm3::TForm3()
    : AreaScreen(QStringLiteral("Прямоугольник"), QSize(408, 255), QPoint(660, 130),
                 QStringLiteral("Площадь прямоугольника"), 13)
{
    setObjectName(QStringLiteral("Form3"));
    Label3 = rowCaption("Label3", QStringLiteral("Найти площадь по:"), 42);
    RzComboBox3 = rowModeList("RzComboBox3", {kByTwoSides, kByDiagonalAndSide}, 42);
    Label8 = rowCaption("Label8", QStringLiteral("Размер одной стороны:"), 78);
    Edit2 = rowField("Edit2", 78);
    Label9 = rowCaption("Label9", QStringLiteral("Размер другой стороны:"), 110);
    Label10 = rowCaption("Label10", QStringLiteral("Размер диагонали:"), 110);
    Edit3 = rowField("Edit3", 110);
    Edit2->setFocus();  // typing starts in the first field
    addBottom(146);

    connect(Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
    connect(RzComboBox3, &QComboBox::currentTextChanged, this, &TForm3::RzComboBox3Change);
    watchForNan(QStringLiteral(
        "Русский: Ошибка! Не может быть такого прямоугольника!!!English: Error! Can not be such rectangle!!!"));
    RzComboBox3Change();
}

void TForm3::Button2Click()
{
    const QString mode = RzComboBox3->currentText();
    if (mode == kByTwoSides)
        computePositive({{Edit2, InputType::Real}, {Edit3, InputType::Real}},
                        [](const auto &v) { return area::rectangleByTwoSides(v[0], v[1]); },
                        calc::kInvalidValue, calc::kInvalidValue);
    if (mode == kByDiagonalAndSide)
        computePositive({{Edit2, InputType::Whole}, {Edit3, InputType::Whole}},
                        [](const auto &v) { return area::rectangleByDiagonalAndSide(v[0], v[1]); },
                        kBilingualInvalid, kBilingualInvalid);
}

void TForm3::RzComboBox3Change()
{
    const QString mode = RzComboBox3->currentText();
    if (mode == kByTwoSides) {
        Label9->show();
        Label10->hide();
    }
    if (mode == kByDiagonalAndSide) {
        Label9->hide();
        Label10->show();
    }
}
