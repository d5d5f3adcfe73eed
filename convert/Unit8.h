// Length.
#pragma once

#include "conversionscreen.h"

class TForm8 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    TForm8();
};

extern TForm8 *Form8;
