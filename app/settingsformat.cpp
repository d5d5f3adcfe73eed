#include "settingsformat.h"

namespace store {

namespace {

// Backslash, line feed and carriage return are escaped so that any file
// name fits on one line.
void appendEscaped(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    for (char c : utf8) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
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

}  // namespace

StoredValues parseSettingsText(QByteArrayView text)
{
    StoredValues values;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        while (line.endsWith('\r'))
            line.chop(1);
        if (line.size() > kMaxLineBytes)
            continue;
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0)
            continue;
        values.insert(unescape(line.first(equals)), unescape(line.sliced(equals + 1)));
    }
    return values;
}

QByteArray settingsText(const StoredValues &values)
{
    QByteArray text;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        appendEscaped(text, it.key());
        text += '=';
        appendEscaped(text, it.value());
        text += '\n';
    }
    return text;
}

}  // namespace store
