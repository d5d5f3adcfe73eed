// Ellipse, with its drawing.
#pragma once

#include "areascreen.h"

class TForm17 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm17(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label8;
    QLineEdit *Edit1, *Edit2;
};

extern TForm17 *Form17;
