// Reading a file that must be a regular file of bounded size. Whatever else
// stands under the name (a FIFO, a device, a directory, or a link to one) is
// refused before it is opened, so that reading never blocks and never has
// side effects.
#pragma once

#include <QByteArray>
#include <QString>

namespace files {

struct Contents {
    QByteArray bytes;
    QString error;  // why the file was not read; empty on success
    bool ok() const { return error.isEmpty(); }
};

// The whole file, when it is a regular file of at most maxBytes. It is opened
// without blocking and checked again once open, in case the name was
// swapped in between.
Contents readRegularFile(const QString &path, qint64 maxBytes);

// The reasons given for a file of the wrong kind and for one too large.
QString notRegularReason();
QString tooLargeReason();
// The system's text for an error number.
QString systemReason(int errorNumber);

}  // namespace files
