// Biquadratic equation.
#pragma once

#include "equationscreen.h"

class TForm52 : public solve::EquationScreen
{
    Q_OBJECT
public:
    explicit TForm52(const calc::Context &context = calc::Context::standard());

    QLabel *Label1 = control<QLabel>("Label1");
    QLabel *Label2 = control<QLabel>("Label2");
    QLabel *Label3 = control<QLabel>("Label3");
    QLabel *Label4 = control<QLabel>("Label4");
    QLabel *Label5 = control<QLabel>("Label5");
    QLabel *Label6 = control<QLabel>("Label6");
    QLabel *Label7 = control<QLabel>("Label7");
    QLabel *Label9 = control<QLabel>("Label9");
    QLabel *Label10 = control<QLabel>("Label10");
    QLabel *Label11 = control<QLabel>("Label11");
    QLabel *Label12 = control<QLabel>("Label12");
    QLabel *Label13 = control<QLabel>("Label13");
    QLabel *Label14 = control<QLabel>("Label14");
    QLabel *Label15 = control<QLabel>("Label15");
    QLabel *Label16 = control<QLabel>("Label16");
    QLabel *Label17 = control<QLabel>("Label17");
    QLabel *Label18 = control<QLabel>("Label18");
};

extern TForm52 *Form52;
