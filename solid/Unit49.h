// Pyramid.
#pragma once

#include "solidscreen.h"

class TForm49 : public solid::SolidScreen
{
    Q_OBJECT
public:
    TForm49();

    QLabel *Label2, *Label3, *Label6, *Label7;
    QLineEdit *Edit1, *Edit2;
    QTimer *Timer1;
};

extern TForm49 *Form49;
