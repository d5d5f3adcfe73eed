// Mass.
#pragma once

#include "conversionscreen.h"

class TForm7 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm7(const calc::Context &context = calc::Context::standard());
};

extern TForm7 *Form7;
