// Information units: no rounding list, the answer in the general format.
#pragma once

#include "conversionscreen.h"

class TForm18 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    TForm18();

    QAction *MenuItem2 = nullptr;  // the hidden Enter item

public slots:
    void MenuItem2Click();
};

extern TForm18 *Form18;
