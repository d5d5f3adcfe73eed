// Sphere.
#pragma once

#include "solidscreen.h"

class TForm47 : public solid::SolidScreen
{
    Q_OBJECT
public:
    TForm47();

    QLabel *Label2, *Label6, *Label7;
    QLineEdit *Edit1;
    QTimer *Timer1;
};

extern TForm47 *Form47;
