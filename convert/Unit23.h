// Power: opens with the focus in the rounding list.
#pragma once

#include "conversionscreen.h"

class TForm23 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm23(const calc::Context &context = calc::Context::standard());
};

extern TForm23 *Form23;
