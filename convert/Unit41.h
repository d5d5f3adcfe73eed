// Angle: guarded reading, the values' signs kept.
#pragma once

#include "conversionscreen.h"

class TForm41 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm41(const calc::Context &context = calc::Context::standard());
};

extern TForm41 *Form41;
