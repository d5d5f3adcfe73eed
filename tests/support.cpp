#include "support.h"

#include <QApplication>
#include <QWindow>
#include <QtTest>

namespace support {

RecordingContext::RecordingContext()
{
    decimalSeparator = u',';
    messages = [this](const QString &text) { recorded << text; };
}

ScreenSet::~ScreenSet()
{
    for (auto screen = m_screens.rbegin(); screen != m_screens.rend(); ++screen)
        delete *screen;
}

QWidget *ScreenSet::byName(const QString &name) const
{
    for (QWidget *screen : m_screens)
        if (screen->objectName() == name)
            return screen;
    return nullptr;
}

void type(QWidget *field, const QString &text)
{
    QLineEdit *edit = qobject_cast<QLineEdit *>(field);
    if (auto *list = qobject_cast<QComboBox *>(field))
        edit = list->lineEdit();
    if (!edit)
        qFatal("%s is not a field", qPrintable(field->objectName()));
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
    if (edit->text() != text)
        qFatal("typing \"%s\" into %s gave \"%s\"", qPrintable(text), qPrintable(field->objectName()),
               qPrintable(edit->text()));
}

void typeInto(QWidget *screen, const QString &name, const QString &text)
{
    QWidget *field = screen->findChild<QWidget *>(name);
    if (!field)
        qFatal("%s has no field %s", qPrintable(screen->objectName()), qPrintable(name));
    type(field, text);
}

bool choose(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

QString answer(const QWidget *screen) { return screen->findChild<QLabel *>(QStringLiteral("Label4"))->text(); }

bool showActive(QWidget *screen)
{
    screen->show();
    screen->raise();
    screen->activateWindow();
    return QTest::qWaitForWindowActive(screen);
}

void hideScreen(QWidget *screen)
{
    screen->hide();
    QTRY_VERIFY(QGuiApplication::focusWindow() != screen->windowHandle());
}

}  // namespace support
