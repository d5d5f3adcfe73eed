// The greeting of the first run.
#pragma once

#include "infoscreens.h"

class QPushButton;

class TForm25 : public InfoScreen
{
    Q_OBJECT
public:
    explicit TForm25(const calc::Context &context = calc::Context::standard());

    QLabel *Label1, *Label2, *Label3;
    QPushButton *Button1;

public slots:
    void Button1Click();
};

extern TForm25 *Form25;
