// Speeds of various objects.
#pragma once

#include "lookupscreen.h"

class TForm32 : public reference::LookupScreen
{
    Q_OBJECT
public:
    explicit TForm32(const calc::Context &context = calc::Context::standard());

    QComboBox *RzComboBox3 = control<QComboBox>("RzComboBox3");
    QLabel *Label5 = control<QLabel>("Label5");
};

extern TForm32 *Form32;
