// Force: opens with the focus in the rounding list.
#pragma once

#include "conversionscreen.h"

class TForm22 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm22(const calc::Context &context = calc::Context::standard());
};

extern TForm22 *Form22;
