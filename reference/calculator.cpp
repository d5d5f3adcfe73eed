#include "calculator.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>

namespace reference {

using namespace Qt::StringLiterals;

namespace {

// The escapes of a desktop entry value: \s \n \t \r \\; in a list, "\;"
// keeps a semicolon inside an element.
QString unescapeValue(QStringView value)
{
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != u'\\' || i + 1 == value.size()) {
            out.append(c);
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case u's': out.append(u' '); break;
        case u'n': out.append(u'\n'); break;
        case u't': out.append(u'\t'); break;
        case u'r': out.append(u'\r'); break;
        case u'\\': out.append(u'\\'); break;
        default: out.append(u'\\').append(next); break;
        }
    }
    return out;
}

QStringList splitList(QStringView value)
{
    QStringList items;
    QString current;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == u'\\' && i + 1 < value.size() && value[i + 1] == u';') {
            current.append(u';');
            ++i;
        } else if (value[i] == u';') {
            items.append(unescapeValue(current));
            current.clear();
        } else {
            current.append(value[i]);
        }
    }
    if (!current.isEmpty())
        items.append(unescapeValue(current));
    return items;
}

// A program named without a slash is looked for in the folders; one with a
// slash must be an absolute path. Either way it must be an executable file.
QString resolveProgram(const QString &program, const QStringList &pathFolders)
{
    const auto runnable = [](const QString &path) {
        const QFileInfo info(path);
        return info.isFile() && info.isExecutable();
    };
    if (program.contains(u'/'))
        return QDir::isAbsolutePath(program) && runnable(program) ? program : QString();
    for (const QString &folder : pathFolders) {
        const QString path = QDir(folder).filePath(program);
        if (runnable(path))
            return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    }
    return {};
}

// The desktop entry files of one folder and its subfolders, by desktop id
// (the relative path with '/' as '-'), in id order.
QList<std::pair<QString, QString>> entriesIn(const QString &folder)
{
    QList<std::pair<QString, QString>> entries;
    const QDir root(folder);
    QDirIterator it(folder, {u"*.desktop"_s}, QDir::Files | QDir::Readable, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.append({root.relativeFilePath(path).replace(u'/', u'-'), path});
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

std::optional<Command> commandOf(const QString &entryPath, const QStringList &pathFolders)
{
    QFile file(entryPath);
    // A desktop entry is a few kilobytes; a larger file is not one.
    if (!file.open(QIODevice::ReadOnly) || file.size() > 1024 * 1024)
        return std::nullopt;
    const DesktopEntry entry = parseDesktopEntry(QString::fromUtf8(file.readAll()));
    if (entry.type != u"Application" || entry.hidden || !entry.categories.contains(u"Calculator"_s))
        return std::nullopt;
    if (!entry.tryExec.isEmpty() && resolveProgram(entry.tryExec, pathFolders).isEmpty())
        return std::nullopt;
    std::optional<QStringList> words = splitExec(entry.exec, entry.name, entryPath);
    if (!words)
        return std::nullopt;
    const QString program = resolveProgram(words->takeFirst(), pathFolders);
    if (program.isEmpty())
        return std::nullopt;
    return Command{program, *words};
}

}  // namespace

DesktopEntry parseDesktopEntry(const QString &text)
{
    DesktopEntry entry;
    bool inMainGroup = false;
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            inMainGroup = line == u"[Desktop Entry]";
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inMainGroup || eq < 0)
            continue;
        const QStringView key = line.left(eq).trimmed();
        const QStringView value = line.mid(eq + 1).trimmed();
        if (key == u"Type")
            entry.type = unescapeValue(value);
        else if (key == u"Exec")
            entry.exec = unescapeValue(value);
        else if (key == u"TryExec")
            entry.tryExec = unescapeValue(value);
        else if (key == u"Name")
            entry.name = unescapeValue(value);
        else if (key == u"Categories")
            entry.categories = splitList(value);
        else if (key == u"Hidden")
            entry.hidden = value == u"true";
    }
    return entry;
}

std::optional<QStringList> splitExec(const QString &exec, const QString &name, const QString &entryPath)
{
    // Words: blanks separate them; inside double quotes \" \` \$ \\ stand
    // for the character itself.
    QStringList words;
    QString word;
    bool inWord = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\' && i + 1 < exec.size() && QStringView(u"\"`$\\").contains(exec[i + 1])) {
                word.append(exec[++i]);
            } else {
                word.append(c);
            }
        } else if (c == u' ' || c == u'\t') {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
        } else if (c == u'"') {
            quoted = true;
            inWord = true;
        } else {
            word.append(c);
            inWord = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inWord)
        words.append(word);

    // Field codes: a word that is only a file or URL code is dropped; %c is
    // the name, %k the entry's file, %% a percent sign, the others nothing.
    QStringList arguments;
    for (const QString &w : std::as_const(words)) {
        static const QStringList dropped = {u"%f"_s, u"%F"_s, u"%u"_s, u"%U"_s, u"%i"_s,
                                            u"%d"_s, u"%D"_s, u"%n"_s, u"%N"_s};
        if (dropped.contains(w))
            continue;
        QString out;
        for (qsizetype i = 0; i < w.size(); ++i) {
            if (w[i] != u'%' || i + 1 == w.size()) {
                out.append(w[i]);
                continue;
            }
            const QChar code = w[++i];
            if (code == u'%')
                out.append(u'%');
            else if (code == u'c')
                out.append(name);
            else if (code == u'k')
                out.append(entryPath);
        }
        arguments.append(out);
    }
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return std::nullopt;
    return arguments;
}

const QStringList &commonCalculators()
{
    static const QStringList programs = {u"gnome-calculator"_s, u"kcalc"_s,        u"mate-calc"_s,
                                         u"galculator"_s,       u"qalculate-qt"_s, u"qalculate-gtk"_s,
                                         u"speedcrunch"_s,      u"xcalc"_s};
    return programs;
}

std::optional<Command> findCalculator(const QStringList &applicationFolders, const QStringList &pathFolders)
{
    QSet<QString> seen;
    for (const QString &folder : applicationFolders) {
        for (const auto &[id, path] : entriesIn(folder)) {
            if (seen.contains(id))
                continue;
            seen.insert(id);
            if (std::optional<Command> command = commandOf(path, pathFolders))
                return command;
        }
    }
    for (const QString &program : commonCalculators()) {
        const QString path = resolveProgram(program, pathFolders);
        if (!path.isEmpty())
            return Command{path, {}};
    }
    return std::nullopt;
}

QStringList applicationFolders()
{
    return QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
}

QStringList pathFolders()
{
    return qEnvironmentVariable("PATH").split(u':', Qt::SkipEmptyParts);
}

bool startCalculator()
{
    const std::optional<Command> command = findCalculator(applicationFolders(), pathFolders());
    return command && QProcess::startDetached(command->program, command->arguments);
}

}  // namespace reference
