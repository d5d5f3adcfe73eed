#include "Unit5.h"

#include "areas.h"

#include <QPushButton>

TForm5 *Form5 = nullptr;

namespace {
const QString kBySideAndHeight = QStringLiteral("По стороне и высоте");
const QString kByThreeSides = QStringLiteral("По трём сторонам");
}  // namespace

TForm5::TForm5()
    : AreaScreen(QStringLiteral("Треугольник"), QSize(442, 290), QPoint(640, 110),
                 QStringLiteral("Площадь треугольника"), 13)
{
    setObjectName(QStringLiteral("Form5"));
    Label3 = rowCaption("Label3", QStringLiteral("Найти площадь:"), 42);
    RzComboBox3 = rowModeList("RzComboBox3", {kBySideAndHeight, kByThreeSides}, 42);
    Label5 = rowCaption("Label5", QStringLiteral("Размер стороны:"), 78);
    Edit1 = rowField("Edit1", 78);
    Label2 = rowCaption("Label2", QStringLiteral("Размер  высоты, проведённой к этой стороне:"), 118, 3);
    Label8 = rowCaption("Label8", QStringLiteral("Размер второй стороны:"), 118);
    Edit2 = rowField("Edit2", 118);
    Label9 = rowCaption("Label9", QStringLiteral("Размер третьей стороны:"), 158);
    Edit3 = rowField("Edit3", 158);
    Edit1->setFocus();  // typing starts in the first field
    addBottom(194);

    connect(Button2, &QPushButton::clicked, this, &TForm5::Button2Click);
    connect(RzComboBox3, &QComboBox::currentTextChanged, this, &TForm5::RzComboBox3Change);
    watchForNan(QStringLiteral(
        "Русский: Ошибка! Не может быть такого треугольника!!!English: Error! Can not be such triangle!!!"));
    RzComboBox3Change();
}

void TForm5::Button2Click()
{
    const QString mode = RzComboBox3->currentText();
    if (mode == kBySideAndHeight)
        computePositive({{Edit1, InputType::Real}, {Edit2, InputType::Real}},
                        [](const auto &v) { return area::triangleBySideAndHeight(v[0], v[1]); },
                        calc::kInvalidValue, calc::kInvalidValue);
    if (mode == kByThreeSides)
        computePositive({{Edit1, InputType::Whole}, {Edit2, InputType::Whole}, {Edit3, InputType::Whole}},
                        [](const auto &v) { return area::triangleByThreeSides(v[0], v[1], v[2]); },
                        calc::kInvalidValue, calc::kInvalidValue);
}

void TForm5::RzComboBox3Change()
{
    const QString mode = RzComboBox3->currentText();
    if (mode == kBySideAndHeight) {
        Label2->show();
        Label8->hide();
        Label9->hide();
        Edit3->hide();
    }
    if (mode == kByThreeSides) {
        Label2->hide();
        Label8->show();
        Label9->show();
        Edit3->show();
    }
}
