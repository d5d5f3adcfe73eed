// What a screen needs from its surroundings: where messages go, the decimal
// separator numbers are typed and shown with, where the settings live, how
// the first-run greeting is presented and how links are opened. The program
// runs on one standard context; a test hands its own to the windows it builds.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace calc {

struct Context {
    // Where messages go; empty: a modal message box.
    std::function<void(const QString &)> messages;
    // The separator of typed and shown numbers.
    QChar decimalSeparator = u'.';
    // The settings file; empty: the user's own store.
    QString settingsFile;
    // Presents the greeting of the first run; empty: the welcome screen, modally.
    std::function<void()> presentWelcome;
    // Opens a link; empty: the desktop's handler.
    std::function<void(const QUrl &)> openLink;

    void showMessage(const QString &text) const;

    // The context of the program; main sets its separator from the locale.
    static Context &standard();
};

}  // namespace calc
