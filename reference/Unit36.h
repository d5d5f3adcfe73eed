// The planets: five characteristics of the chosen planet.
#pragma once

#include "lookupscreen.h"

class TForm36 : public reference::LookupScreen
{
    Q_OBJECT
public:
    explicit TForm36(const calc::Context &context = calc::Context::standard());

    QComboBox *RzComboBox4 = control<QComboBox>("RzComboBox4");
    QLabel *Label5 = control<QLabel>("Label5");    // "Диаметр:"
    QLabel *Label11 = control<QLabel>("Label11");  // "Сутки:"
    QLabel *Label7 = control<QLabel>("Label7");    // "Год:"
    QLabel *Label9 = control<QLabel>("Label9");    // "Спутники:"
    QLabel *Label10 = control<QLabel>("Label10");  // "Особенности:"
};

extern TForm36 *Form36;
