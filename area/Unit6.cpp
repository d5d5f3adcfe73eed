#include "Unit6.h"

#include <QLineEdit>

TForm6 *Form6 = nullptr;

TForm6::TForm6(const calc::Context &context) : AreaScreen(area::circle(), context)
{
    Label2 = control<QLabel>("Label2");
    Label3 = control<QLabel>("Label3");
    Label8 = control<QLabel>("Label8");
    RzComboBox3 = control<QComboBox>("RzComboBox3");
    Edit2 = control<QLineEdit>("Edit2");
    connect(RzComboBox3, &QComboBox::currentTextChanged, this, &TForm6::RzComboBox3Change);
}

void TForm6::RzComboBox3Change() { showMode(); }
