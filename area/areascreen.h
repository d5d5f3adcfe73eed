// Layout shared by the area screens: the title on top, one row per input
// (caption on the left, field on the right), then the rounding row, the
// "Рассчитать" button and the answer line.
#pragma once

#include "calcscreen.h"

class QPushButton;

namespace area {

class AreaScreen : public calc::CalcScreen
{
    Q_OBJECT
public:
    QLabel *Label1 = nullptr;
    QPushButton *Button2 = nullptr;
    QComboBox *RzComboBox2 = nullptr;

protected:
    AreaScreen(const QString &caption, QSize clientSize, QPoint position, const QString &title, int titlePixelHeight);

    static constexpr int kFieldWidth = 196;
    int fieldX() const { return width() - kFieldWidth - 16; }

    // A caption left of the field row at `y`; `lines` > 1 for a caption that wraps.
    QLabel *rowCaption(const char *name, const QString &text, int y, int lines = 1);
    QLineEdit *rowField(const char *name, int y);
    QComboBox *rowModeList(const char *name, const QStringList &modes, int y);
    // The rounding row at `y`, the button below it and the answer line below that.
    void addBottom(int y);
};

}  // namespace area
