// Truncated pyramid.
#pragma once

#include "solidscreen.h"

class TForm50 : public solid::SolidScreen
{
    Q_OBJECT
public:
    explicit TForm50(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label5, *Label6, *Label7;
    QLineEdit *Edit1, *Edit2, *Edit3;
    QTimer *Timer1;
};

extern TForm50 *Form50;
