#include "Unit14.h"

#include "drawings.h"

#include <QLineEdit>

TForm14 *Form14 = nullptr;

TForm14::TForm14(const calc::Context &context) : AreaScreen(area::trapezoid(), context, area::trapezoidDrawing)
{
    Label2 = control<QLabel>("Label2");
    Label3 = control<QLabel>("Label3");
    Label5 = control<QLabel>("Label5");
    Edit1 = control<QLineEdit>("Edit1");
    Edit2 = control<QLineEdit>("Edit2");
    Edit3 = control<QLineEdit>("Edit3");
}
