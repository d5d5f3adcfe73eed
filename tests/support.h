// What the widget suites share: a context that records messages, the suite's
// screens looked up by name, typing into fields, showing and hiding a screen
// with the focus settled, and counting the close events a window receives.
#pragma once

#include "context.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QWidget>
#include <QtTest>

#include <memory>
#include <vector>

namespace support {

// Numbers with a comma, as under a Russian locale; messages recorded in
// order instead of shown.
class RecordingContext : public calc::Context
{
public:
    RecordingContext();
    QStringList recorded;
};

// The screens a suite builds, deleted with it.
class ScreenSet
{
public:
    ~ScreenSet();
    template <typename Screen>
    Screen *add(Screen *screen)
    {
        m_screens.push_back(screen);
        return screen;
    }
    // The screen whose object name is `name`; null when there is none.
    QWidget *byName(const QString &name) const;
    const std::vector<QWidget *> &all() const { return m_screens; }

private:
    std::vector<QWidget *> m_screens;
};

// A control of a screen by its name; null when there is none.
template <typename Control>
Control *control(const QWidget *screen, const QString &name)
{
    return screen->findChild<Control *>(name);
}

// Replaces a field's text by typing: the old text is selected and the new
// one typed key by key. Works on an editable list too.
void type(QWidget *field, const QString &text);
// Types into the screen's field or editable list `name`.
void typeInto(QWidget *screen, const QString &name, const QString &text);
// Selects the item of a selection-only list by its text; false when there is none.
bool choose(QComboBox *list, const QString &text);
// The answer line of a screen.
QString answer(const QWidget *screen);

// Shows a screen and waits until it has the keyboard focus.
bool showActive(QWidget *screen);
// Hides a screen and waits until the window system has taken the focus
// away, so that showing it again is not mistaken for a stale activation.
void hideScreen(QWidget *screen);

// Counts the close events a window receives, once installed as its event filter.
class CloseCounter : public QObject
{
public:
    int closes = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Close)
            ++closes;
        return false;
    }
};

}  // namespace support
