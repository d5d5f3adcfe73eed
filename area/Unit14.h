// Trapezoid, with its drawing.
#pragma once

#include "areascreen.h"

class TForm14 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm14(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label5;
    QLineEdit *Edit1, *Edit2, *Edit3;
};

extern TForm14 *Form14;
