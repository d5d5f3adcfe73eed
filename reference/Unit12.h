// Densities of substances.
#pragma once

#include "lookupscreen.h"

class TForm12 : public reference::LookupScreen
{
    Q_OBJECT
public:
    explicit TForm12(const calc::Context &context = calc::Context::standard());

    QComboBox *RzComboBox1 = control<QComboBox>("RzComboBox1");
    QLabel *Label3 = control<QLabel>("Label3");
};

extern TForm12 *Form12;
