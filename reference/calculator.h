// Finding and starting the desktop's calculator: the first installed
// application whose desktop entry lists the category "Calculator", failing
// that the first common calculator program on the PATH. The program is
// started directly, without a shell and without waiting. No widgets.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace reference {

struct Command {
    QString program;  // an absolute path
    QStringList arguments;
};

// The fields of a desktop entry's "[Desktop Entry]" group that choosing a
// calculator needs.
struct DesktopEntry {
    QString type;
    QString exec;
    QString tryExec;
    QString name;
    QStringList categories;
    bool hidden = false;
};

// Reads the "[Desktop Entry]" group of a desktop entry file's text.
DesktopEntry parseDesktopEntry(const QString &text);

// Splits an Exec value into program and arguments by the desktop entry
// quoting rules, dropping the field codes (%f, %U, ...) a launch without
// files leaves empty; nullopt when the quoting is broken or nothing is left.
std::optional<QStringList> splitExec(const QString &exec, const QString &name, const QString &entryPath);

// The programs tried on the PATH when no desktop entry names a calculator.
const QStringList &commonCalculators();

// The calculator to start: desktop entries are looked for in
// `applicationFolders` (earlier folders hide entries of the same id in later
// ones) and programs in `pathFolders`; nullopt when there is none.
std::optional<Command> findCalculator(const QStringList &applicationFolders, const QStringList &pathFolders);

// The freedesktop application folders and the PATH of this process.
QStringList applicationFolders();
QStringList pathFolders();

// Starts the calculator found in the folders of this process, detached.
// Returns false when there is none or it could not be started; the caller
// shows nothing either way.
bool startCalculator();

}  // namespace reference
