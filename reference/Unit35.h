// The longest rivers.
#pragma once

#include "lookupscreen.h"

class TForm35 : public reference::LookupScreen
{
    Q_OBJECT
public:
    explicit TForm35(const calc::Context &context = calc::Context::standard());

    QComboBox *RzComboBox4 = control<QComboBox>("RzComboBox4");
    QLabel *Label5 = control<QLabel>("Label5");
};

extern TForm35 *Form35;
