// What every window of the program offers the keyboard and screen readers.
// The screen table equips each window as soon as it is made, so no screen
// builds any of it:
// - Escape closes a screen as its close button does; the main window ignores
//   it. An open drop-down, menu, message box or dialog is a window of its
//   own and takes its Escape first.
// - The copy key (Ctrl+C) copies the screen's answer when the focused control
//   has no selection; a selection is copied as usual.
// - Every field, list and track bar is named for screen readers after the
//   caption beside it (left of it on its row, or else right above it), and
//   named again when a mode switch shows other captions.
#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace calc {

enum class EscapeKey { Closes, Ignored };

void equipWindow(QWidget *window, EscapeKey escape);
bool isEquipped(const QWidget *window);

// What the copy key copies on a window: a screen's answer (calc::Screen::answer);
// empty when the window shows none.
QString answerOf(const QWidget *window);
// Puts the window's answer on the clipboard; false, leaving the clipboard
// as it was, when there is none.
bool copyAnswer(const QWidget *window);

// Gives a line that shows an answer the context menu item "Копировать ответ",
// which copies the answer of the line's window. The menu is made when first asked for.
void offerAnswerCopy(QLabel *line);
inline const QString kCopyAnswerItem = QStringLiteral("Копировать ответ");

// The property that marks a label showing a result: never a caption.
inline constexpr char kResultLine[] = "kalkortResultLine";

// The spoken name of a control that no caption beside it gives; the naming
// leaves it alone from then on.
void setSpokenName(QWidget *control, const QString &name);

// Names the window's fields, lists and track bars after their captions now
// (an equipped window does it by itself after every change of what it shows).
void nameControls(QWidget *window);

}  // namespace calc
