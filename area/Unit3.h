// Rectangle.
#pragma once

#include "areascreen.h"

class TForm3 : public area::AreaScreen
{
    Q_OBJECT
public:
    TForm3();

    QLabel *Label3, *Label8, *Label9, *Label10;
    QComboBox *RzComboBox3;
    QLineEdit *Edit2, *Edit3;

public slots:
    void Button2Click();
    void RzComboBox3Change();
};

extern TForm3 *Form3;
