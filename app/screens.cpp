#include "screens.h"

#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"
#include "Unit8.h"
#include "Unit9.h"
#include "Unit10.h"
#include "Unit18.h"
#include "Unit20.h"
#include "Unit24.h"
#include "Unit25.h"
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
    Form7 = new TForm7;
    Form8 = new TForm8;
    Form9 = new TForm9;
    Form10 = new TForm10;
    Form18 = new TForm18;
    Form20 = new TForm20;
    Form24 = new TForm24;
    Form25 = new TForm25;
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
    destroy(Form25);
    destroy(Form24);
    destroy(Form20);
    destroy(Form18);
    destroy(Form10);
    destroy(Form9);
    destroy(Form8);
    destroy(Form7);
    destroy(Form6);
    destroy(Form5);
    destroy(Form4);
    destroy(Form3);
    destroy(Form2);
    destroy(Form1);
}
