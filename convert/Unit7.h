// Mass.
#pragma once

#include "conversionscreen.h"

class TForm7 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    TForm7();
};

extern TForm7 *Form7;
