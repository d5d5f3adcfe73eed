// The largest lakes; the window may be resized.
#pragma once

#include "lookupscreen.h"

class TForm34 : public reference::LookupScreen
{
    Q_OBJECT
public:
    explicit TForm34(const calc::Context &context = calc::Context::standard());

    QComboBox *RzComboBox3 = control<QComboBox>("RzComboBox3");
    QLabel *Label5 = control<QLabel>("Label5");
};

extern TForm34 *Form34;
