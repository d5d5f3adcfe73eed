#include "progressionscreen.h"

#include <QLineEdit>
#include <QPushButton>

namespace progressions {

namespace {
constexpr int kFieldHeight = 21;
constexpr int kRoundingListWidth = 145;
}  // namespace

ProgressionScreen::ProgressionScreen(const progressions::Screen &record, const Layout &layout,
                                     const calc::Context &context)
    : Screen({record.caption, layout.clientSize, layout.position}, context), m_record(record)
{
    setObjectName(layout.objectName);
    auto label = [this](const char *name, const QString &text, QPoint at, int pixelHeight) {
        QLabel *label = addLabel(name, text, QRect(at, QSize(1, 1)));
        label->setWordWrap(false);
        label->setFont(calc::arial(pixelHeight));
        label->adjustSize();
        return label;
    };

    Label1 = label("Label1", QStringLiteral("Вычислить:"), QPoint(16, 24), 12);
    QStringList items;
    for (const Mode &mode : record.modes)
        items << mode.item;
    RzComboBox1 = addModeList("RzComboBox1", items, QRect(88, 16, layout.modeListWidth, kFieldHeight));
    Label11 = label("Label11", layout.legendText, layout.legend, 13);
    Label12 = label("Label12", QStringLiteral("1"), layout.legendIndex, 11);

    QLineEdit *first = nullptr;
    for (const Control &placed : layout.controls) {
        if (placed.kind == Control::Edit) {
            const QRect geometry(placed.geometry.topLeft(), QSize(placed.geometry.width(), kFieldHeight));
            QLineEdit *edit = addEdit(placed.name, geometry);
            edit->setFont(calc::arial(placed.pixelHeight));
            if (!first)
                first = edit;
        } else if (placed.geometry.isEmpty()) {
            label(placed.name, placed.text, placed.geometry.topLeft(), placed.pixelHeight);
        } else {
            addLabel(placed.name, placed.text, placed.geometry)->setFont(calc::arial(placed.pixelHeight));
        }
    }

    Label6 = label("Label6", QStringLiteral("Округлить до:"), QPoint(16, 160), 12);
    RzComboBox3 = calc::makeRoundingList(this, QStringLiteral("RzComboBox3"));
    RzComboBox3->setGeometry(QRect(104, 152, kRoundingListWidth, kFieldHeight));
    Label7 = label("Label7", QStringLiteral("нулей после запятой"), QPoint(layout.roundingTailX, 160), 12);
    Button1 = addButton("Button1", QStringLiteral("Решить"), QRect(layout.buttonX, 184, 75, 25));
    addAnswerLabel(QStringLiteral("Ответ"), QRect(16, 211, layout.clientSize.width() - 16, 24), 16);
    Label4->setHint(false);

    connect(RzComboBox1, &QComboBox::currentTextChanged, this, &ProgressionScreen::RzComboBox1Change);
    connect(Button1, &QPushButton::clicked, this, &ProgressionScreen::Button1Click);
    RzComboBox1Change();
    if (first)
        first->setFocus();  // typing starts in the first field
}

void ProgressionScreen::RzComboBox1Change()
{
    const Mode *mode = modeFor(m_record, RzComboBox1->currentText());
    if (!mode)
        return;
    for (const QString &name : mode->shown)
        if (auto *widget = findChild<QWidget *>(name, Qt::FindDirectChildrenOnly))
            widget->setVisible(true);
    for (const QString &name : mode->hidden)
        if (auto *widget = findChild<QWidget *>(name, Qt::FindDirectChildrenOnly))
            widget->setVisible(false);
    if (mode->qText) {
        // "0," under the comma of a Russian locale: zero and the separator,
        // ready for the digits of the ratio.
        QString text = *mode->qText;
        text.replace(u',', separator());
        findChild<QLineEdit *>(m_record.qField, Qt::FindDirectChildrenOnly)->setText(text);
    }
}

void ProgressionScreen::Button1Click()
{
    QHash<QString, QString> fields;
    if (const Mode *mode = modeFor(m_record, RzComboBox1->currentText()))
        for (const QString &name : mode->inputs)
            fields.insert(name, findChild<QLineEdit *>(name, Qt::FindDirectChildrenOnly)->text());
    showOutcome(click(m_record, RzComboBox1->currentText(), fields, RzComboBox3->currentText(), separator()));
}

}  // namespace progressions
