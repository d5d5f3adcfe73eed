// Volume of liquids: the value's sign dropped.
#pragma once

#include "conversionscreen.h"

class TForm30 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm30(const calc::Context &context = calc::Context::standard());
};

extern TForm30 *Form30;
