// Cylinder.
#pragma once

#include "solidscreen.h"

class TForm45 : public solid::SolidScreen
{
    Q_OBJECT
public:
    explicit TForm45(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label6, *Label7;
    QLineEdit *Edit1, *Edit2;
    QTimer *Timer1;
};

extern TForm45 *Form45;
