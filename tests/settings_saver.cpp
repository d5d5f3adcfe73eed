// Saves the settings into a given file, for the tests that need a save to
// fail or to be killed half-way:
//   settings_saver FILE once|loop [--as-nobody] [--file-size-limit BYTES] [--name-length N]
// Exit status 0 when every save succeeded, 3 when one failed.
#include "settingsformat.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    const QString file = args[1];
    const bool loop = args[2] == QLatin1String("loop");
    int nameLength = 20;
    for (int k = 3; k < args.size(); ++k) {
        if (args[k] == QLatin1String("--as-nobody")) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                return 2;
        } else if (args[k] == QLatin1String("--file-size-limit") && k + 1 < args.size()) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t bytes = args[++k].toULongLong();
            const rlimit limit{bytes, bytes};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return 2;
        } else if (args[k] == QLatin1String("--name-length") && k + 1 < args.size()) {
            nameLength = args[++k].toInt();
        }
    }

    store::SettingsSnapshot snapshot;
    snapshot.top = 100;
    snapshot.left = 200;
    snapshot.trackPosition = 7;
    snapshot.customBackground = 1;
    snapshot.pictureFileName = QStringLiteral("/pictures/") + QString(nameLength, u'x') + QStringLiteral(".jpg");
    snapshot.groups = {false, true, false, false, false, false};
    snapshot.outerHeight = 369;
    snapshot.stretch = false;
    for (int round = 0;; ++round) {
        snapshot.trackPosition = 1 + round % 18;
        QSettings settings(file, store::settingsFormat());
        if (!store::saveSettings(settings, snapshot))
            return 3;
        if (!loop)
            return 0;
    }
}
