// The lookup screen: a fact table's list with its caption, the value
// caption and the value label(s), laid out from a record. The labels follow
// the list's current text as soon as it changes; nothing polls.
#pragma once

#include "facts.h"
#include "screen.h"

#include <vector>

namespace reference {

// Where a lookup screen puts its controls, in client pixels.
struct LookupLayout {
    QSize clientSize;
    QPoint position;
    // The lakes screen may be resized; it opens with an outer size of
    // 400 x 280 wherever the window system reports its frame.
    bool resizable = false;
    const char *listName;
    QRect listCaption;
    QRect list;
    QRect valueCaption;
    struct Value {
        const char *name;
        QRect geometry;
        int pixelHeight;
        QRect caption;  // the row caption, on the planets screen
    };
    std::vector<Value> values;
};

// The layout of a screen with one value: the list's caption and the list,
// then the value's caption and the value, across the window.
LookupLayout singleValue(QSize clientSize, QPoint position, const char *listName, const char *valueName,
                         bool resizable = false);

// The width of a list's longest item, and the width its box shows text in.
int widestItem(const QComboBox *list);
int textWidth(const QComboBox *list);

class LookupScreen : public calc::Screen
{
    Q_OBJECT
public:
    calc::TImage *Image1 = background();

    const FactTable &table() const { return m_table; }

public slots:
    // Shows the facts of the list's current text; a text that matches no
    // item leaves the labels as they are.
    void Timer1Timer();

protected:
    LookupScreen(const FactTable &table, const LookupLayout &layout, const calc::Context &context);

    template <typename Control>
    Control *control(const char *name) const
    {
        return findChild<Control *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }

    bool event(QEvent *event) override;

private:
    const FactTable &m_table;
    QComboBox *m_list;
    std::vector<QLabel *> m_values;
    bool m_fitOuterSize;
};

}  // namespace reference
