// Every message of the program ends in messageBox: a modal message box
// titled with the application title and one OK button. Screens reach it
// through their context, which tests redirect.
#pragma once

#include <QString>

namespace calc {

void messageBox(const QString &text);

}  // namespace calc
