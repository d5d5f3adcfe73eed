// The screen of an equation in one unknown: a record gives its window, its
// fixed texts, its three coefficient fields, its rounding row, "Рассчитать",
// the discriminant line and its root lines, and the solver one click calls.
#pragma once

#include "equations.h"
#include "screen.h"

#include <vector>

class QPushButton;

namespace solve {

// A fixed text: its label's name, text, top-left corner and height in pixels.
// A raised digit over a letter inside another label's text names that label
// and the text up to the letter; it then stands right after the letter
// whatever the font's widths, at its own height.
struct Caption {
    const char *name;
    QString text;
    QPoint position;
    int pixelHeight;
    const char *over = nullptr;
    QString before;
};

struct EquationDesign {
    const char *objectName;
    QString caption;
    QSize clientSize;
    QPoint position;
    std::vector<Caption> captions;  // in drawing order, the raised digits after the text they stand over
    std::vector<QRect> fields;      // Edit1, Edit2, Edit3
    QPoint roundingList;            // RzComboBox2
    QPoint button;                  // Button2
    Caption discriminant;           // Label8
    std::vector<Caption> roots;     // the root lines, top to bottom, as they read at start
    bool rootsHidden;               // until the first computation
    bool enter;                     // Enter clicks "Рассчитать"
    EquationOutcome (*solve)(const EquationRequest &, QChar);
};

class EquationScreen : public calc::Screen
{
    Q_OBJECT
public:
    calc::TImage *Image1 = background();
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QComboBox *RzComboBox2 = nullptr;
    QPushButton *Button2 = nullptr;
    QLabel *Label8 = nullptr;

public slots:
    void Button2Click();

protected:
    EquationScreen(const EquationDesign &design, const calc::Context &context);

    template <typename Control>
    Control *control(const char *name) const
    {
        return findChild<Control *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }

private:
    const EquationDesign &m_design;
    std::vector<QLabel *> m_roots;
};

}  // namespace solve
