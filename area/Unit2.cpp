#include "Unit2.h"

#include "areas.h"

#include <QPushButton>

TForm2 *Form2 = nullptr;

namespace {
const QString kBySide = QStringLiteral("Одной стороне");
const QString kByDiagonal = QStringLiteral("По диагонали");
}  // namespace

TForm2::TForm2()
    : AreaScreen(QStringLiteral("Квадрат"), QSize(436, 234), QPoint(680, 150), QStringLiteral("Площадь квадрата"),
                 13)
{
    setObjectName(QStringLiteral("Form2"));
    Label2 = rowCaption("Label2", QStringLiteral("Найти площадь по:"), 42);
    RzComboBox1 = rowModeList("RzComboBox1", {kBySide, kByDiagonal}, 42);
    Label3 = rowCaption("Label3", QStringLiteral("Размер стороны:"), 78);
    Label5 = rowCaption("Label5", QStringLiteral("Размер диагонали:"), 78);
    Edit1 = rowField("Edit1", 78);
    Edit1->setFocus();  // typing starts in the first field
    addBottom(116);

    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(RzComboBox1, &QComboBox::currentTextChanged, this, &TForm2::RzComboBox1Change);
    RzComboBox1Change();
}

void TForm2::Button2Click()
{
    const QString mode = RzComboBox1->currentText();
    if (mode == kBySide)
        computePositive({{Edit1, InputType::Real}}, [](const auto &v) { return area::squareBySide(v[0]); },
                        calc::kInvalidValue, calc::kInvalidValue);
    if (mode == kByDiagonal)
        computePositive({{Edit1, InputType::Whole}}, [](const auto &v) { return area::squareByDiagonal(v[0]); },
                        calc::kInvalidValue, calc::kInvalidValue);
}

void TForm2::RzComboBox1Change()
{
    const QString mode = RzComboBox1->currentText();
    if (mode == kBySide) {
        Label3->show();
        Label5->hide();
    }
    if (mode == kByDiagonal) {
        Label3->hide();
        Label5->show();
    }
}
