#include "conversionscreen.h"

#include <QLineEdit>
#include <QPushButton>

namespace convert {

namespace {
constexpr int kFieldHeight = 21;
constexpr int kValueWidth = 121;
constexpr int kRoundingListWidth = 145;
}  // namespace

ConversionScreen::ConversionScreen(const Quantity &quantity, QSize clientSize, QPoint position,
                                   const calc::Context &context, const Layout &layout)
    : Screen({quantity.caption, clientSize, position}, context), m_quantity(quantity)
{
    auto line = [this](const char *name, const QString &text, QPoint at) {
        QLabel *label = addLabel(name, text, QRect(at, QSize(1, 1)));
        label->setWordWrap(false);
        label->adjustSize();
        return label;
    };
    auto unitList = [this](const char *name, QPoint at, int width) {
        return addModeList(name, m_quantity.units, QRect(at, QSize(width, kFieldHeight)));
    };

    Label2 = line("Label2", quantity.heading, layout.heading);
    Label1 = line("Label1", QStringLiteral("Перевести"), layout.valueCaption);
    Edit1 = addEdit("Edit1", QRect(layout.value, QSize(kValueWidth, kFieldHeight)));
    RzComboBox1 = unitList("RzComboBox1", layout.fromList, layout.fromListWidth);
    Label3 = line("Label3", QStringLiteral("в"), layout.toCaption);
    RzComboBox2 = unitList("RzComboBox2", layout.toList, layout.toListWidth);
    if (quantity.format == NumberFormat::General) {
        Label5 = line("Label5", QStringLiteral("1"), QPoint(0, 0));
        Label5->hide();
    } else {
        Label6 = line("Label6", QStringLiteral("Округлить до:"), layout.roundingCaption);
        RzComboBox3 = calc::makeRoundingList(this, QStringLiteral("RzComboBox3"));
        RzComboBox3->setGeometry(QRect(layout.roundingList, QSize(kRoundingListWidth, kFieldHeight)));
        Label7 = line("Label7", QStringLiteral("нулей после запятой"), layout.roundingTail);
    }
    Button1 = addButton("Button1", QStringLiteral("Перевести"), QRect(layout.button, QSize(75, 25)));
    m_enterItem = addEnterItem(Button1, layout.enterItem);
    addAnswerLabel(QStringLiteral("Ответ"), QRect(layout.answer, QSize(clientSize.width() - layout.answer.x(), 20)),
                   16);
    QWidget *previous = nullptr;
    for (Control next : layout.tabOrder) {
        if (previous)
            setTabOrder(previous, control(next));
        previous = control(next);
    }
    // Typing starts in the first control of the Tab order.
    (layout.tabOrder.empty() ? Edit1 : control(layout.tabOrder.front()))->setFocus();

    connect(Button1, &QPushButton::clicked, this, &ConversionScreen::Button1Click);
}

QWidget *ConversionScreen::control(Control control) const
{
    switch (control) {
    case Control::Value:
        return Edit1;
    case Control::FromList:
        return RzComboBox1;
    case Control::ToList:
        return RzComboBox2;
    case Control::Rounding:
        return RzComboBox3;
    case Control::Button:
        return Button1;
    }
    return nullptr;
}

void ConversionScreen::Button1Click()
{
    const Request request{Edit1->text(), RzComboBox1->currentText(), RzComboBox2->currentText(),
                          RzComboBox3 ? RzComboBox3->currentText() : Label5->text()};
    showOutcome(click(m_quantity, request, separator()));
}

}  // namespace convert
