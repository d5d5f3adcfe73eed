// Volume of solids: the value's sign dropped.
#pragma once

#include "conversionscreen.h"

class TForm29 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm29(const calc::Context &context = calc::Context::standard());
};

extern TForm29 *Form29;
