#include "settingsformat.h"

#include <QFileDevice>

#include <unistd.h>

namespace store {

namespace {

// Backslash, line feed and carriage return are escaped so that any file
// name fits on one line.
QByteArray escape(const QString &text)
{
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

QString unescape(QByteArrayView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            const char next = text[++i];
            c = next == 'n' ? '\n' : next == 'r' ? '\r' : next;
        }
        out += c;
    }
    return QString::fromUtf8(out);
}

// Reads one line of at most kMaxLineBytes; a longer line is consumed and
// reported as too long.
bool readLine(QIODevice &device, QByteArray &line, bool &tooLong)
{
    line = device.readLine(kMaxLineBytes + 1);
    if (line.isEmpty())
        return false;
    tooLong = false;
    while (!line.endsWith('\n') && line.size() > kMaxLineBytes) {
        tooLong = true;
        line = device.readLine(kMaxLineBytes + 1);
        if (line.isEmpty())
            break;
    }
    if (tooLong)
        line.clear();
    return true;
}

}  // namespace

bool readSettingsFile(QIODevice &device, QSettings::SettingsMap &map)
{
    QByteArray line;
    bool tooLong = false;
    while (readLine(device, line, tooLong)) {
        if (tooLong)
            continue;
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        const QString name = unescape(QByteArrayView(line).first(equals));
        map.insert(name, unescape(QByteArrayView(line).sliced(equals + 1)));
    }
    return true;
}

bool writeSettingsFile(QIODevice &device, const QSettings::SettingsMap &map)
{
    QByteArray content;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        content += escape(it.key());
        content += '=';
        content += escape(it.value().toString());
        content += '\n';
    }
    if (device.write(content) != content.size())
        return false;
    // A buffered file only meets the disk on flush; a short write there
    // (full disk, file size limit) must fail the save, not truncate it.
    if (auto *file = qobject_cast<QFileDevice *>(&device)) {
        if (!file->flush() || file->error() != QFileDevice::NoError)
            return false;
        const int handle = file->handle();
        if (handle >= 0 && ::fsync(handle) != 0)
            return false;
    }
    return true;
}

QSettings::Format settingsFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readSettingsFile, writeSettingsFile, Qt::CaseSensitive);
    return format;
}

}  // namespace store
