#include "Unit40.h"

#include <QLineEdit>
#include <QPushButton>

TForm40 *Form40 = nullptr;

namespace {
constexpr int kFieldWidth = 121;
constexpr int kFieldHeight = 21;
}  // namespace

TForm40::TForm40(const calc::Context &context)
    : Screen({QStringLiteral("Операции с дробями"), QSize(456, 153), QPoint(266, 251)}, context)
{
    setObjectName(QStringLiteral("Form40"));
    auto label = [this](const char *name, const QString &text, QPoint at, int pixelHeight, bool bold = false) {
        QLabel *label = addLabel(name, text, QRect(at, QSize(1, 1)));
        label->setWordWrap(false);
        label->setFont(calc::arial(pixelHeight, bold));
        label->adjustSize();
        return label;
    };
    auto field = [this](const char *name, QPoint at) {
        return addEdit(name, QRect(at, QSize(kFieldWidth, kFieldHeight)));
    };
    auto bar = [this](const char *name, QPoint at) {
        auto *image = new calc::TImage(this);
        image->setObjectName(QLatin1String(name));
        image->setGeometry(QRect(at, QSize(105, 2)));
        QImage black(105, 2, QImage::Format_RGB32);
        black.fill(Qt::black);
        image->setPicture(black);
        return image;
    };

    Label12 = label("Label12", QStringLiteral("Операции с дробями"), QPoint(155, 5), 15, true);
    Label7 = label("Label7", QStringLiteral("Дробь 1"), QPoint(56, 32), 11);
    Label10 = label("Label10", QStringLiteral("Дробь 2"), QPoint(192, 32), 11);
    Label11 = label("Label11", QStringLiteral("Ответ"), QPoint(352, 32), 11);
    Edit1 = field("Edit1", QPoint(16, 56));
    Image2 = bar("Image2", QPoint(24, 82));
    Edit2 = field("Edit2", QPoint(16, 88));
    Edit3 = field("Edit3", QPoint(152, 56));
    Image3 = bar("Image3", QPoint(160, 82));
    Edit4 = field("Edit4", QPoint(152, 88));
    Label13 = label("Label13", QStringLiteral("="), QPoint(288, 62), 15);
    Label14 = label("Label14", QStringLiteral("="), QPoint(288, 90), 15);
    Edit5 = field("Edit5", QPoint(312, 56));
    Image4 = bar("Image4", QPoint(320, 82));
    Edit6 = field("Edit6", QPoint(312, 88));
    Button1 = addButton("Button1", QStringLiteral("Сложить"), QRect(16, 120, 75, 25));
    Button2 = addButton("Button2", QStringLiteral("Вычесть"), QRect(104, 120, 75, 25));
    Button4 = addButton("Button4", QStringLiteral("Разделить"), QRect(192, 120, 75, 25));
    Button3 = addButton("Button3", QStringLiteral("Умножить"), QRect(280, 120, 75, 25));
    // Below the bottom edge, and hidden.
    Button5 = addButton("Button5", QStringLiteral("Сократить первую дробь"), QRect(16, 168, 145, 25));
    Button7 = addButton("Button7", QStringLiteral("Сократить вторую дробь"), QRect(168, 168, 145, 25));
    Button6 = addButton("Button6", QStringLiteral("Сократить ответ"), QRect(320, 168, 121, 25));
    Button6->hide();
    Edit1->setFocus();  // typing starts in the first numerator

    connect(Button1, &QPushButton::clicked, this, &TForm40::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm40::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm40::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm40::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TForm40::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TForm40::Button6Click);
    connect(Button7, &QPushButton::clicked, this, &TForm40::Button7Click);
}

void TForm40::Button1Click() { operate(fractions::Operation::Add); }
void TForm40::Button2Click() { operate(fractions::Operation::Subtract); }
void TForm40::Button3Click() { operate(fractions::Operation::Multiply); }
void TForm40::Button4Click() { operate(fractions::Operation::Divide); }
void TForm40::Button5Click() { perform(fractions::reduceFirst(m_values)); }
void TForm40::Button6Click() { perform(fractions::reduceAnswer(m_values, separator())); }
void TForm40::Button7Click() { perform(fractions::reduceSecond(m_values)); }

void TForm40::operate(fractions::Operation operation)
{
    const fractions::Inputs inputs{Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text()};
    perform(fractions::click(m_values, operation, inputs, separator()));
}

void TForm40::perform(const fractions::Effects &effects)
{
    for (const fractions::Effect &effect : effects) {
        if (const auto *shown = std::get_if<fractions::Shown>(&effect)) {
            Edit5->setText(shown->numerator);
            Edit6->setText(shown->denominator);
        } else {
            message(std::get<fractions::Message>(effect).text);
        }
    }
}
