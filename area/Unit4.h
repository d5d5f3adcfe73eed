// Parallelogram.
#pragma once

#include "areascreen.h"

class TForm4 : public area::AreaScreen
{
    Q_OBJECT
public:
    TForm4();

    QLabel *Label2, *Label5;
    QLineEdit *Edit1, *Edit2;

public slots:
    void Button2Click();
};

extern TForm4 *Form4;
