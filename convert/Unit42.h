// Energy: guarded reading, the values' signs kept; Enter converts as on
// the other conversion screens.
#pragma once

#include "conversionscreen.h"

class TForm42 : public convert::ConversionScreen
{
    Q_OBJECT
public:
    explicit TForm42(const calc::Context &context = calc::Context::standard());
};

extern TForm42 *Form42;
