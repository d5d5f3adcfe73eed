// Truncated cone.
#pragma once

#include "solidscreen.h"

class TForm48 : public solid::SolidScreen
{
    Q_OBJECT
public:
    explicit TForm48(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label5, *Label7, *Label8;
    QLineEdit *Edit1, *Edit2, *Edit3;
    QTimer *Timer1;
};

extern TForm48 *Form48;
