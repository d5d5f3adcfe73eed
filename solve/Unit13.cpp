#include "Unit13.h"

#include "system.h"

#include <QLineEdit>
#include <QPushButton>

TForm13 *Form13 = nullptr;

namespace {

constexpr int kFieldWidth = 49;
constexpr int kFieldHeight = 21;

}  // namespace

TForm13::TForm13(const calc::Context &context)
    : Screen({QStringLiteral("Система двух линейных уравнений"), QSize(kNarrowWidth, 269), QPoint(286, 245),
              QStringLiteral("Image2")},
             context)
{
    setObjectName(QStringLiteral("Form13"));
    const auto line = [this](const char *name, const QString &text, QPoint position, int pixelHeight,
                             bool bold = false) {
        QLabel *label = addLabel(name, text, QRect(position, QSize(1, 1)));
        label->setWordWrap(false);
        label->setFont(calc::arial(pixelHeight, bold));
        label->adjustSize();
        return label;
    };
    const auto toEdge = [](QLabel *label) {
        label->resize(kNarrowWidth - label->x() - 4, label->height());
        return label;
    };

    Label9 = line("Label9", QStringLiteral("Введите значения коэффициентов"), {56, 8}, 16);
    Image1 = new solve::CurlyBrace(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(40, 32, 11, 81);

    // The two rows: a·X + b·Y = c.
    const QString x = QStringLiteral("X"), plus = QStringLiteral("+"), y = QStringLiteral("Y"),
                  equals = QStringLiteral("=");
    Edit1 = addEdit("Edit1", QRect(64, 40, kFieldWidth, kFieldHeight));
    Label1 = line("Label1", x, {120, 40}, 21);
    Label2 = line("Label2", plus, {144, 40}, 21);
    Edit2 = addEdit("Edit2", QRect(168, 40, kFieldWidth, kFieldHeight));
    Label3 = line("Label3", y, {232, 40}, 21);
    Label4 = line("Label4", equals, {256, 40}, 21);
    Edit3 = addEdit("Edit3", QRect(280, 40, kFieldWidth, kFieldHeight));
    Edit4 = addEdit("Edit4", QRect(64, 80, kFieldWidth, kFieldHeight));
    Label8 = line("Label8", x, {120, 80}, 21);
    Label7 = line("Label7", plus, {144, 80}, 21);
    Edit5 = addEdit("Edit5", QRect(168, 80, kFieldWidth, kFieldHeight));
    Label6 = line("Label6", y, {232, 80}, 21);
    Label5 = line("Label5", equals, {256, 80}, 21);
    Edit6 = addEdit("Edit6", QRect(280, 80, kFieldWidth, kFieldHeight));

    Label12 = line("Label12", QStringLiteral("Округлить до:"), {24, 128}, 11);
    RzComboBox2 = calc::makeRoundingList(this, QStringLiteral("RzComboBox2"));
    RzComboBox2->setGeometry(112, 120, 145, kFieldHeight);
    Label13 = line("Label13", QStringLiteral("нулей после запятой"), {274, 128}, 11);

    Label14 = toEdge(line("Label14", QString(), {88, 152}, 15));
    Label10 = toEdge(line("Label10", solve::kXLine, {40, 176}, 15, true));
    // "Y=" stands under the "X=" of the line above.
    const int yX = 40 + QFontMetrics(Label10->font()).horizontalAdvance(QStringLiteral("Ответ: "));
    Label11 = toEdge(line("Label11", solve::kYLine, {yX, 200}, 15, true));

    Button2 = addButton("Button2", QStringLiteral("Рассчитать"), QRect(152, 224, 75, 25));
    Button3 = addButton("Button3", QStringLiteral("График >>"), QRect(320, 224, 75, 25));

    QWidget::setTabOrder(Edit1, Edit2);
    for (auto [from, to] : {std::pair<QWidget *, QWidget *>{Edit2, Edit3}, {Edit3, Edit4}, {Edit4, Edit5},
                            {Edit5, Edit6}, {Edit6, RzComboBox2}, {RzComboBox2, Button2}, {Button2, Button3}})
        QWidget::setTabOrder(from, to);
    Edit1->setFocus();

    addEnterItem(Button2);
    connect(Button2, &QPushButton::clicked, this, &TForm13::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm13::Button3Click);
}

void TForm13::Button2Click()
{
    const solve::SystemOutcome outcome = solve::linearSystem(
        {Edit1->text(), Edit2->text(), Edit3->text(), Edit4->text(), Edit5->text(), Edit6->text(),
         RzComboBox2->currentText()},
        separator());
    if (outcome.verdict)
        Label14->setText(*outcome.verdict);
    if (outcome.xLine)
        Label10->setText(*outcome.xLine);
    if (outcome.yLine)
        Label11->setText(*outcome.yLine);
    if (outcome.plot) {
        m_plot = outcome.plot;
        if (Chart1)
            Chart1->plot(outcome.plot->first, outcome.plot->second);
    }
    for (const QString &text : outcome.messages)
        message(text);
}

solve::SystemChart *TForm13::chart()
{
    if (!Chart1) {
        // Right of the narrow window, seen once the window is wide.
        Chart1 = new solve::SystemChart(this);
        Chart1->setObjectName(QStringLiteral("Chart1"));
        Chart1->setGeometry(400, 5, 273, 260);
        Series1 = Chart1->Series1;
        Series2 = Chart1->Series2;
        if (m_plot)
            Chart1->plot(m_plot->first, m_plot->second);
        Chart1->show();
    }
    return Chart1;
}

void TForm13::Button3Click()
{
    chart();
    // The width stays as it is when the screen is closed and shown again.
    m_wide = !m_wide;
    setFixedWidth(m_wide ? kWideWidth : kNarrowWidth);
}
