#include "Unit3.h"

#include <QLineEdit>

TForm3 *Form3 = nullptr;

TForm3::TForm3(const calc::Context &context) : AreaScreen(area::rectangle(), context)
{
    Label3 = control<QLabel>("Label3");
    Label8 = control<QLabel>("Label8");
    Label9 = control<QLabel>("Label9");
    Label10 = control<QLabel>("Label10");
    RzComboBox3 = control<QComboBox>("RzComboBox3");
    Edit2 = control<QLineEdit>("Edit2");
    Edit3 = control<QLineEdit>("Edit3");
    connect(RzComboBox3, &QComboBox::currentTextChanged, this, &TForm3::RzComboBox3Change);
}

void TForm3::RzComboBox3Change() { showMode(); }
