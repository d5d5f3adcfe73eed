// Sphere.
#pragma once

#include "solidscreen.h"

class TForm47 : public solid::SolidScreen
{
    Q_OBJECT
public:
    explicit TForm47(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label6, *Label7;
    QLineEdit *Edit1;
    QTimer *Timer1;
};

extern TForm47 *Form47;
