// Arithmetic progression.
#pragma once

#include "progressionscreen.h"

class QLineEdit;

class TForm43 : public progressions::ProgressionScreen
{
    Q_OBJECT
public:
    explicit TForm43(const calc::Context &context = calc::Context::standard());

    QLabel *Label2, *Label3, *Label5, *Label8, *Label9, *Label10, *Label13, *Label14;
    QLineEdit *Edit1, *Edit2, *Edit3, *Edit4, *Edit5, *Edit6, *Edit7;
};

extern TForm43 *Form43;
