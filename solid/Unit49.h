// Pyramid.
#pragma once

#include "solidscreen.h"

class TForm49 : public solid::SolidScreen
{
    Q_OBJECT
public:
    explicit TForm49(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label6, *Label7;
    QLineEdit *Edit1, *Edit2;
    QTimer *Timer1;
};

extern TForm49 *Form49;
