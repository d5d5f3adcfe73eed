// Every message of the program goes through showMessage: a modal message box
// titled with the application title and one OK button.
#pragma once

#include <QString>

#include <functional>

namespace calc {

void showMessage(const QString &text);

// Replaces where messages go (tests record them instead of blocking);
// returns the previous sink. An empty sink restores the message box.
using MessageSink = std::function<void(const QString &)>;
MessageSink setMessageSink(MessageSink sink);

}  // namespace calc
