#include "equationscreen.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

namespace solve {

namespace {

constexpr int kFieldHeight = 21;
constexpr int kRoundingListWidth = 145;

}  // namespace

EquationScreen::EquationScreen(const EquationDesign &design, const calc::Context &context)
    : Screen({design.caption, design.clientSize, design.position}, context), m_design(design)
{
    setObjectName(QLatin1String(design.objectName));
    const int width = design.clientSize.width();
    // A line as wide as its text, or reaching the right edge for the lines
    // whose text changes.
    const auto addLine = [&](const Caption &caption, bool toEdge) {
        QLabel *label = addLabel(caption.name, caption.text, QRect(caption.position, QSize(1, 1)));
        label->setWordWrap(false);
        label->setFont(calc::arial(caption.pixelHeight));
        label->adjustSize();
        if (toEdge)
            label->resize(width - caption.position.x() - 4, label->height());
        return label;
    };

    const char *fieldNames[] = {"Edit1", "Edit2", "Edit3"};
    QLineEdit **fields[] = {&Edit1, &Edit2, &Edit3};
    for (int i = 0; i < 3; ++i)
        *fields[i] = addEdit(fieldNames[i], design.fields[i]);
    for (const Caption &caption : design.captions) {
        QLabel *label = addLine(caption, false);
        if (const QLabel *text = caption.over ? control<QLabel>(caption.over) : nullptr)
            label->move(text->x() + QFontMetrics(text->font()).horizontalAdvance(caption.before), label->y());
    }
    RzComboBox2 = calc::makeRoundingList(this, QStringLiteral("RzComboBox2"));
    RzComboBox2->setGeometry(QRect(design.roundingList, QSize(kRoundingListWidth, kFieldHeight)));
    Button2 = addButton("Button2", QStringLiteral("Рассчитать"), QRect(design.button, QSize(75, 25)));
    Label8 = addLine(design.discriminant, true);
    for (const Caption &root : design.roots) {
        QLabel *label = addLine(root, true);
        label->setVisible(!design.rootsHidden);
        m_roots.push_back(label);
    }
    // The fields first in the typing order, then the list and the button.
    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit3);
    setTabOrder(Edit3, RzComboBox2);
    setTabOrder(RzComboBox2, Button2);
    Edit1->setFocus();

    if (design.enter)
        addEnterItem(Button2);
    connect(Button2, &QPushButton::clicked, this, &EquationScreen::Button2Click);
}

void EquationScreen::Button2Click()
{
    const EquationOutcome outcome =
        m_design.solve({Edit1->text(), Edit2->text(), Edit3->text(), RzComboBox2->currentText()}, separator());
    if (outcome.discriminant)
        Label8->setText(*outcome.discriminant);
    for (std::size_t i = 0; i < m_roots.size() && i < std::size_t(outcome.roots.size()); ++i) {
        m_roots[i]->setText(outcome.roots[i]);
        m_roots[i]->setVisible(true);
    }
    for (const QString &text : outcome.messages)
        message(text);
}

}  // namespace solve
