#include "Unit6.h"

#include "areas.h"

#include <QPushButton>

TForm6 *Form6 = nullptr;

namespace {
const QString kByRadius = QStringLiteral("По радиусу");
const QString kByDiameter = QStringLiteral("По диаметру");
}  // namespace

TForm6::TForm6()
    : AreaScreen(QStringLiteral("Круг"), QSize(410, 227), QPoint(720, 190), QStringLiteral("Площадь круга"), 11)
{
    setObjectName(QStringLiteral("Form6"));
    Label3 = rowCaption("Label3", QStringLiteral("Найти площадь:"), 40);
    RzComboBox3 = rowModeList("RzComboBox3", {kByRadius, kByDiameter}, 40);
    Label8 = rowCaption("Label8", QStringLiteral("Размер радиуса:"), 76);
    Label2 = rowCaption("Label2", QStringLiteral("Размер диаметра:"), 76);
    Edit2 = rowField("Edit2", 76);
    Edit2->setFocus();  // typing starts in the first field
    addBottom(112);

    connect(Button2, &QPushButton::clicked, this, &TForm6::Button2Click);
    connect(RzComboBox3, &QComboBox::currentTextChanged, this, &TForm6::RzComboBox3Change);
    RzComboBox3Change();
}

void TForm6::Button2Click()
{
    const QString mode = RzComboBox3->currentText();
    if (mode == kByRadius)
        computePositive({{Edit2, InputType::Real}}, [](const auto &v) { return area::circleByRadius(v[0]); },
                        calc::kInvalidValue, calc::kInvalidValue);
    if (mode == kByDiameter)
        computePositive({{Edit2, InputType::Whole}}, [](const auto &v) { return area::circleByDiameter(v[0]); },
                        calc::kInvalidValue, calc::kInvalidValue);
}

void TForm6::RzComboBox3Change()
{
    const QString mode = RzComboBox3->currentText();
    if (mode == kByRadius) {
        Label8->show();
        Label2->hide();
    }
    if (mode == kByDiameter) {
        Label8->hide();
        Label2->show();
    }
}
