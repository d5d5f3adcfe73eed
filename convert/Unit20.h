// Speed.
#pragma once

#include "conversionscreen.h"

class TForm20 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    TForm20();
};

extern TForm20 *Form20;
