// Cylinder.
#pragma once

#include "solidscreen.h"

class TForm45 : public solid::SolidScreen
{
    Q_OBJECT
public:
    TForm45();

    QLabel *Label2, *Label3, *Label6, *Label7;
    QLineEdit *Edit1, *Edit2;
    QTimer *Timer1;
};

extern TForm45 *Form45;
