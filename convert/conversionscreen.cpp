#include "conversionscreen.h"

#include <QLineEdit>
#include <QPushButton>

namespace convert {

namespace {
constexpr int kFieldHeight = 21;
constexpr int kValueWidth = 121;
constexpr int kUnitListWidth = 129;
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
    auto unitList = [this](const char *name, QPoint at) {
        return addModeList(name, m_quantity.units, QRect(at, QSize(kUnitListWidth, kFieldHeight)));
    };

    Label2 = line("Label2", quantity.heading, layout.heading);
    Label1 = line("Label1", QStringLiteral("Перевести"), layout.valueCaption);
    Edit1 = addEdit("Edit1", QRect(layout.value, QSize(kValueWidth, kFieldHeight)));
    RzComboBox1 = unitList("RzComboBox1", layout.fromList);
    Label3 = line("Label3", QStringLiteral("в"), layout.toCaption);
    RzComboBox2 = unitList("RzComboBox2", layout.toList);
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
    Edit1->setFocus();  // typing starts in the value field

    connect(Button1, &QPushButton::clicked, this, &ConversionScreen::Button1Click);
}

void ConversionScreen::Button1Click()
{
    const Request request{Edit1->text(), RzComboBox1->currentText(), RzComboBox2->currentText(),
                          RzComboBox3 ? RzComboBox3->currentText() : Label5->text()};
    showOutcome(click(m_quantity, request, separator()));
}

}  // namespace convert
