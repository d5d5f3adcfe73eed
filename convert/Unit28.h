// Area measures: the value's sign dropped.
#pragma once

#include "conversionscreen.h"

class TForm28 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm28(const calc::Context &context = calc::Context::standard());
};

extern TForm28 *Form28;
