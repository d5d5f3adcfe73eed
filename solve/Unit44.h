// Geometric progression.
#pragma once

#include "progressionscreen.h"

class QLineEdit;

class TForm44 : public progressions::ProgressionScreen
{
    Q_OBJECT
public:
    explicit TForm44(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label5, *Label8, *Label13, *Label14;
    QLineEdit *Edit1, *Edit2, *Edit5;
};

extern TForm44 *Form44;
