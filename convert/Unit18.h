// Information units: no rounding list, the answer in the general format.
#pragma once

#include "conversionscreen.h"

class TForm18 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm18(const calc::Context &context = calc::Context::standard());

    QAction *MenuItem2 = nullptr;  // the hidden Enter item

public slots:
    void MenuItem2Click();
};

extern TForm18 *Form18;
