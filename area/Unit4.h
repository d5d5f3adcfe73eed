// Parallelogram.
#pragma once

#include "areascreen.h"

class TForm4 : public area::AreaScreen
{
    Q_OBJECT
public:
    explicit TForm4(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label5;
    QLineEdit *Edit1, *Edit2;
};

extern TForm4 *Form4;
