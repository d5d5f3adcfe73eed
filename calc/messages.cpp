#include "messages.h"

#include "appearance.h"
#include "context.h"

#include <QApplication>
#include <QMessageBox>

namespace calc {

void messageBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void Context::showMessage(const QString &text) const
{
    if (messages)
        messages(text);
    else
        messageBox(text);
}

Context &Context::standard()
{
    static Context context;
    return context;
}

}  // namespace calc
