// Helpers of the widget tests.
#pragma once

#include <QApplication>
#include <QWindow>
#include <QtTest>

// Hides a screen and waits until the window system has taken the focus
// away, so that showing it again is not mistaken for a stale activation.
inline void hideScreen(QWidget *screen)
{
    screen->hide();
    QTRY_VERIFY(QGuiApplication::focusWindow() != screen->windowHandle());
}

// Shows a screen and waits until it has the keyboard focus.
inline bool showActive(QWidget *screen)
{
    screen->show();
    screen->raise();
    screen->activateWindow();
    return QTest::qWaitForWindowActive(screen);
}
