// Rectangle.
#pragma once

#include "areascreen.h"

class TForm3 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm3(const calc::Context &context = calc::Context::standard());

    QLabel *Label3, *Label8, *Label9, *Label10;
    QComboBox *RzComboBox3;
    QLineEdit *Edit2, *Edit3;

public slots:
    void RzComboBox3Change();
};

extern TForm3 *Form3;
