// The frame of the conversion screens: the value field, the from- and
// to-lists, the rounding list (or the hidden digits label), "Перевести" and
// the answer line, laid out alike on every screen. A click hands the
// controls' texts to the conversion engine with the screen's record.
#pragma once

#include "conversion.h"
#include "screen.h"

#include <vector>

class QPushButton;

namespace convert {

// The controls of a conversion screen that take the keyboard focus.
enum class Control { Value, FromList, ToList, Rounding, Button };

// Where a conversion screen's controls stand (top-left corners in client
// pixels), how wide its unit lists are, and the order the Tab key visits its
// controls in.
struct Layout {
    QPoint heading{128, 16};
    QPoint valueCaption{8, 64};
    QPoint value{80, 56};
    QPoint fromList{224, 56};
    QPoint toCaption{104, 104};
    QPoint toList{128, 96};
    QPoint roundingCaption{16, 152};
    QPoint roundingList{112, 144};
    QPoint roundingTail{263, 152};
    QPoint button{136, 184};
    QPoint answer{16, 216};
    int fromListWidth = 129;
    int toListWidth = 129;
    // The controls in Tab order; the first has the focus when the screen
    // first opens. Empty: the order they are made in (value, lists, rounding
    // list, button), the value field first.
    std::vector<Control> tabOrder;
    // The hidden Enter item's name.
    const char *enterItem = "jkujk1";
};

// The Tab orders the screens use: from the value field through the button
// to the lists backwards, or from the rounding list through the lists
// backwards to the value field and the button.
inline const std::vector<Control> kValueFirst = {Control::Value, Control::Button, Control::Rounding, Control::ToList,
                                                 Control::FromList};
inline const std::vector<Control> kRoundingFirst = {Control::Rounding, Control::ToList, Control::FromList,
                                                    Control::Value, Control::Button};

// The two layouts most screens share, each screen changing a place or two.
// The measures (area, solid and liquid volume, angle, energy): the value row
// at 56, unit lists 161 and 169 wide.
inline Layout measuresLayout()
{
    return {.fromList = {208, 56}, .fromListWidth = 161, .toListWidth = 169, .tabOrder = kValueFirst};
}
// Pressure, force and power: the value row at 48, the rounding row at 128.
inline Layout mechanicsLayout()
{
    return {.valueCaption = {16, 56}, .value = {88, 48}, .fromList = {232, 48}, .toCaption = {128, 96},
            .toList = {160, 88}, .roundingCaption = {24, 136}, .roundingList = {120, 128},
            .roundingTail = {271, 136}, .button = {144, 168}, .answer = {16, 200}, .fromListWidth = 145,
            .toListWidth = 145, .tabOrder = kValueFirst};
}

class ConversionScreen : public calc::Screen
{
    Q_OBJECT
public:
    calc::TImage *Image1 = background();
    QLabel *Label1 = nullptr;  // "Перевести"
    QLabel *Label2 = nullptr;  // the heading
    QLabel *Label3 = nullptr;  // "в"
    QLabel *Label5 = nullptr;  // hidden digits "1" of the general format
    QLabel *Label6 = nullptr;  // "Округлить до:"
    QLabel *Label7 = nullptr;  // "нулей после запятой"
    QLineEdit *Edit1 = nullptr;
    QComboBox *RzComboBox1 = nullptr;  // from
    QComboBox *RzComboBox2 = nullptr;  // to
    QComboBox *RzComboBox3 = nullptr;  // rounding digits
    QPushButton *Button1 = nullptr;

    const Quantity &quantity() const { return m_quantity; }
    QWidget *control(Control control) const;

public slots:
    void Button1Click();

protected:
    // A screen with a rounding list when the record's number format is
    // fixed, with the hidden digits label instead when it is general.
    ConversionScreen(const Quantity &quantity, QSize clientSize, QPoint position, const calc::Context &context,
                     const Layout &layout = Layout());

    // The hidden Enter item when the screen names it other than "jkujk1".
    QAction *m_enterItem = nullptr;

private:
    const Quantity &m_quantity;
};

}  // namespace convert
