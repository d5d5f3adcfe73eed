// The SI decimal prefixes: the prefixes larger and smaller than one as two
// tables.
#pragma once

#include "prefixtable.h"
#include "screen.h"

class TForm39 : public calc::Screen
{
    Q_OBJECT
public:
    explicit TForm39(const calc::Context &context = calc::Context::standard());

    calc::TImage *Image1 = background();
    QLabel *Label12 = nullptr;  // the title
    QLabel *Label1 = nullptr;   // "Больше единицы"
    QLabel *Label2 = nullptr;   // "Меньше единицы"
    reference::PrefixTable *Image2 = nullptr;
    reference::PrefixTable *Image3 = nullptr;
};

extern TForm39 *Form39;
