// Temperature.
#pragma once

#include "conversionscreen.h"

class TForm9 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    TForm9();
};

extern TForm9 *Form9;
