// The highest mountains.
#pragma once

#include "lookupscreen.h"

class TForm33 : public reference::LookupScreen
{
    Q_OBJECT
public:
    explicit TForm33(const calc::Context &context = calc::Context::standard());

    QComboBox *RzComboBox3 = control<QComboBox>("RzComboBox3");
    QLabel *Label5 = control<QLabel>("Label5");
};

extern TForm33 *Form33;
