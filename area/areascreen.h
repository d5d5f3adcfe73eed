// The area screen: builds a figure's window from its record (the title on
// top, the mode row, one row per input with its captions on the left and the
// field on the right, the figure's drawing beside them, then the rounding
// row, "Рассчитать" and the answer line) and runs its modes.
#pragma once

#include "figures.h"
#include "screen.h"

#include <QImage>

class QPushButton;

namespace area {

class AreaScreen : public calc::Screen
{
    Q_OBJECT
public:
    calc::TImage *Image1 = background();
    QLabel *Label1 = nullptr;
    QPushButton *Button2 = nullptr;
    QComboBox *RzComboBox2 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    calc::TImage *Image2 = nullptr;  // the figure's drawing, where the figure has one
    calc::TNanWatch *Timer1 = nullptr;

    const Figure &figure() const { return m_figure; }

public slots:
    // Computes in the mode the mode list shows.
    void Button2Click();

protected:
    // `drawing` draws the figure, at a device pixel ratio, when the screen is first shown.
    using Drawing = QImage (*)(qreal devicePixelRatio);
    AreaScreen(const Figure &figure, const calc::Context &context, Drawing drawing = nullptr);

    // Shows exactly the captions and fields of the mode the list shows.
    void showMode();

    template <typename Control>
    Control *control(const char *name) const
    {
        return findChild<Control *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    }

    void showEvent(QShowEvent *event) override;

private:
    QString modeText() const;

    const Figure &m_figure;
    QComboBox *m_modeList = nullptr;
    Drawing m_drawing;
};

}  // namespace area
