// Quadratic equation.
#pragma once

#include "equationscreen.h"

class TForm11 : public solve::EquationScreen
{
    Q_OBJECT
public:
    explicit TForm11(const calc::Context &context = calc::Context::standard());

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
};

extern TForm11 *Form11;
