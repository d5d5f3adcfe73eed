// The progression screen: builds a progression's window (the mode list
// "Вычислить:", the legend, the screen's own captions and fields, the
// rounding row, "Решить" and the answer line), shows the fields of the
// chosen mode and hands a click to `progressions::click`. No Enter item, no
// answer hint, no "NAN" watch.
#pragma once

#include "progressions.h"
#include "screen.h"

#include <vector>

class QPushButton;

namespace progressions {

// A caption or field of one screen, placed as designed.
struct Control {
    enum Kind { Label, Edit };
    Kind kind;
    const char *name;
    QRect geometry;  // a label's width and height are its text's when empty
    int pixelHeight;
    QString text;
};

struct Layout {
    QString objectName;
    QSize clientSize;
    QPoint position;
    int modeListWidth;
    QPoint legend;          // Label11, three lines
    QPoint legendIndex;     // Label12, the lowered "1"
    QString legendText;
    int roundingTailX;      // Label7
    int buttonX;            // Button1
    std::vector<Control> controls;
};

class ProgressionScreen : public calc::Screen
{
    Q_OBJECT
public:
    calc::TImage *Image1 = background();
    QLabel *Label1 = nullptr;
    QComboBox *RzComboBox1 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label12 = nullptr;
    QLabel *Label6 = nullptr;
    QComboBox *RzComboBox3 = nullptr;
    QLabel *Label7 = nullptr;
    QPushButton *Button1 = nullptr;

    const progressions::Screen &record() const { return m_record; }

public slots:
    // Shows and hides the captions and fields of the chosen mode.
    void RzComboBox1Change();
    // Computes the chosen quantity.
    void Button1Click();

protected:
    ProgressionScreen(const progressions::Screen &record, const Layout &layout, const calc::Context &context);

    template <typename Control>
    Control *control(const char *name) const
    {
        return findChild<Control *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }

private:
    const progressions::Screen &m_record;
};

}  // namespace progressions
