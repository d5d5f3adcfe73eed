// Temperature.
#pragma once

#include "conversionscreen.h"

class TForm9 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm9(const calc::Context &context = calc::Context::standard());
};

extern TForm9 *Form9;
