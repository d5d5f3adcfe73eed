#include "Unit17.h"

#include "drawings.h"

#include <QLineEdit>

TForm17 *Form17 = nullptr;

TForm17::TForm17(const calc::Context &context) : AreaScreen(area::ellipse(), context, area::ellipseDrawing)
{
    Label2 = control<QLabel>("Label2");
    Label8 = control<QLabel>("Label8");
    Edit1 = control<QLineEdit>("Edit1");
    Edit2 = control<QLineEdit>("Edit2");
}
