#include "screens.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit45.h"
#include "Unit46.h"
#include "Unit47.h"
#include "Unit48.h"
#include "Unit49.h"
#include "Unit50.h"
#include "Unit51.h"

namespace {

template <typename Screen>
void destroy(Screen *&screen)
{
    delete screen;
    screen = nullptr;
}

}  // namespace

void createScreens()
{
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form3 = new TForm3;
    Form4 = new TForm4;
    Form5 = new TForm5;
    Form6 = new TForm6;
    Form45 = new TForm45;
    Form46 = new TForm46;
    Form47 = new TForm47;
    Form48 = new TForm48;
    Form49 = new TForm49;
    Form50 = new TForm50;
    Form51 = new TForm51;
}

void destroyScreens()
{
    destroy(Form51);
    destroy(Form50);
    destroy(Form49);
    destroy(Form48);
    destroy(Form47);
    destroy(Form46);
    destroy(Form45);
    destroy(Form6);
    destroy(Form5);
    destroy(Form4);
    destroy(Form3);
    destroy(Form2);
    destroy(Form1);
}
