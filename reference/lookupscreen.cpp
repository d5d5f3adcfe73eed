#include "lookupscreen.h"

#include <QAbstractItemView>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWindow>

namespace reference {

namespace {

const QColor kNavy(0, 0, 128);
const QColor kBlue(0, 0, 255);
const QSize kResizableOuterSize(400, 280);

void paint(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, color);
    widget->setPalette(palette);
}

}  // namespace

int widestItem(const QComboBox *list)
{
    int widest = 0;
    for (int k = 0; k < list->count(); ++k)
        widest = std::max(widest, list->fontMetrics().horizontalAdvance(list->itemText(k)));
    return widest;
}

int textWidth(const QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.rect = QRect(QPoint(0, 0), list->size());
    return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
}

LookupScreen::LookupScreen(const FactTable &table, const LookupLayout &layout, const calc::Context &context)
    : Screen({table.caption, layout.clientSize, layout.position, QStringLiteral("Image1"), layout.resizable},
             context),
      m_table(table), m_fitOuterSize(layout.resizable)
{
    const bool rows = !table.rowCaptions.isEmpty();
    QLabel *listCaption = addLabel("Label1", table.listCaption, layout.listCaption);
    QLabel *valueCaption = addLabel("Label2", table.valueCaption, layout.valueCaption);
    for (QLabel *caption : {listCaption, valueCaption})
        caption->setFont(calc::arial(13, true));

    m_list = addModeList(layout.listName, items(table), layout.list);
    paint(m_list, kNavy);
    // Arial of 10 points, smaller where the longest item would be cut.
    for (int pixels = 13; pixels >= 10; --pixels) {
        m_list->setFont(calc::arial(pixels, true));
        if (widestItem(m_list) <= textWidth(m_list))
            break;
    }
    // The popup is as wide as the longest item, even where the list is not.
    m_list->view()->setMinimumWidth(m_list->view()->sizeHintForColumn(0) + 24);

    static const char *const rowCaptionNames[] = {"Label3", "Label4", "Label6", "Label8", "Label12"};
    for (std::size_t k = 0; k < layout.values.size(); ++k) {
        const LookupLayout::Value &value = layout.values[k];
        if (rows && k < std::size(rowCaptionNames)) {
            QLabel *caption = addLabel(rowCaptionNames[k], table.rowCaptions.value(qsizetype(k)), value.caption);
            caption->setFont(calc::arial(13, true));
            m_rowCaptions.push_back(caption);
        }
        QLabel *label = addLabel(value.name, QString(), value.geometry);
        label->setFont(calc::arial(value.pixelHeight, true));
        paint(label, kBlue);
        m_values.push_back(label);
    }

    setResultLines(m_values);

    connect(m_list, &QComboBox::currentTextChanged, this, &LookupScreen::Timer1Timer);
    Timer1Timer();
}

QString LookupScreen::answer() const
{
    QStringList lines;
    for (std::size_t k = 0; k < m_values.size(); ++k) {
        if (m_values[k]->text().trimmed().isEmpty())
            continue;
        const QString caption = k < m_rowCaptions.size() ? m_rowCaptions[k]->text() + u' ' : QString();
        lines << caption + m_values[k]->text();
    }
    return lines.join(u'\n');
}

LookupLayout singleValue(QSize clientSize, QPoint position, const char *listName, const char *valueName,
                         bool resizable)
{
    const int width = clientSize.width() - 32;
    return {clientSize,
            position,
            resizable,
            listName,
            QRect(16, 40, width, 18),
            QRect(16, 62, width, 26),
            QRect(16, 120, width, 18),
            {{valueName, QRect(16, 144, width, 30), 21, {}}}};
}

void LookupScreen::Timer1Timer()
{
    const QStringList *values = lookUp(m_table, m_list->currentText());
    if (!values)
        return;
    for (std::size_t k = 0; k < m_values.size(); ++k)
        m_values[k]->setText(values->value(qsizetype(k)));
}

bool LookupScreen::event(QEvent *event)
{
    // The frame is known once the window manager has framed the window,
    // which moves it; then the client area is made what a 400 x 280 window
    // leaves of it. Without a window manager there is no frame to fit.
    if (m_fitOuterSize && (event->type() == QEvent::Move || event->type() == QEvent::Paint) && isVisible()
        && windowHandle()) {
        const QMargins frame = windowHandle()->frameMargins();
        if (!frame.isNull()) {
            m_fitOuterSize = false;
            resize(kResizableOuterSize.width() - frame.left() - frame.right(),
                   kResizableOuterSize.height() - frame.top() - frame.bottom());
        }
    }
    return Screen::event(event);
}

}  // namespace reference
