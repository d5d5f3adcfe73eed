// Resident memory taken by each screen when it is made: the figures beside
// bench/startup.sh's total, to find what to slim.
//   bench_screen_memory   (on an X display)
#include "screens.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').front().toLong();
    return 0;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const long start = residentKiB();
    long previous = start;
    for (const screens::Row &row : screens::table()) {
        screens::screen(row);
        QCoreApplication::processEvents();
        const long now = residentKiB();
        std::printf("%-8s %6ld KiB\n", row.className, now - previous);
        previous = now;
    }
    std::printf("all screens %ld KiB\n", previous - start);
    destroyScreens();
    return 0;
}
