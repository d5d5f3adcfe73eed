#include "Unit4.h"

#include "areas.h"

#include <QPushButton>

TForm4 *Form4 = nullptr;

TForm4::TForm4()
    : AreaScreen(QStringLiteral("Параллелограмм"), QSize(412, 255), QPoint(700, 170),
                 QStringLiteral("Площадь параллелограмма"), 13)
{
    setObjectName(QStringLiteral("Form4"));
    Label5 = rowCaption("Label5", QStringLiteral("Размер стороны:"), 46);
    Edit1 = rowField("Edit1", 46);
    Label2 = rowCaption("Label2", QStringLiteral("Размер  высоты, проведённой к этой стороне:"), 92, 3);
    Edit2 = rowField("Edit2", 92);
    Edit1->setFocus();  // typing starts in the first field
    addBottom(146);

    connect(Button2, &QPushButton::clicked, this, &TForm4::Button2Click);
}

void TForm4::Button2Click()
{
    computePositive({{Edit1, InputType::Real}, {Edit2, InputType::Real}},
                    [](const auto &v) { return area::parallelogram(v[0], v[1]); }, calc::kInvalidValue,
                    calc::kInvalidValue);
}
