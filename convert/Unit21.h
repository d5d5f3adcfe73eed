// Pressure: guarded reading, the values' signs kept.
#pragma once

#include "conversionscreen.h"

class TForm21 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm21(const calc::Context &context = calc::Context::standard());
};

extern TForm21 *Form21;
