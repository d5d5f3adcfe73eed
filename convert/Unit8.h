// Length.
#pragma once

#include "conversionscreen.h"

class TForm8 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm8(const calc::Context &context = calc::Context::standard());
};

extern TForm8 *Form8;
