#include "messages.h"

#include "appearance.h"

#include <QApplication>
#include <QMessageBox>

namespace calc {

namespace {

MessageSink &sink()
{
    static MessageSink current;
    return current;
}

void showMessageBox(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace

void showMessage(const QString &text)
{
    if (sink())
        sink()(text);
    else
        showMessageBox(text);
}

MessageSink setMessageSink(MessageSink next)
{
    MessageSink previous = std::move(sink());
    sink() = std::move(next);
    return previous;
}

}  // namespace calc
