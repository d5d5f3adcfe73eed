// Speed.
#pragma once

#include "conversionscreen.h"

class TForm20 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm20(const calc::Context &context = calc::Context::standard());
};

extern TForm20 *Form20;
