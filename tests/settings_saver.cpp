// Reads or saves the settings of a given file in a process of its own, for
// the tests that need a read or a save bounded in time, failing, or killed
// half-way:
//   settings_saver FILE read
//   settings_saver FILE once|loop [--as-nobody] [--file-size-limit BYTES] [--name-length N]
// A read prints how the load ended and how many values it applied. A save
// exits with 0 when every save succeeded, or prints the message the user
// would see and exits with 3.
#include "settingsstore.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

class Counter : public store::SettingsTarget
{
public:
    int applied = 0;
    void setTop(int) override { ++applied; }
    void setLeft(int) override { ++applied; }
    void setTrackPosition(int) override { ++applied; }
    void setCustomBackground(int) override { ++applied; }
    void loadPictureFile(const QString &) override { ++applied; }
    void setGroupOpened(int, bool) override { ++applied; }
    void setHeight(int) override { ++applied; }
    void apply() override { ++applied; }
    void setStretch(bool) override { ++applied; }
};

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    const QString file = args[1];
    if (args[2] == QLatin1String("read")) {
        Counter counter;
        const store::LoadOutcome outcome = store::loadSettings(store::readStore(file), counter);
        std::printf("%s %d\n", outcome == store::LoadOutcome::Complete ? "complete" : "first-run", counter.applied);
        return 0;
    }
    const bool loop = args[2] == QLatin1String("loop");
    int nameLength = 20;
    for (int k = 3; k < args.size(); ++k) {
        if (args[k] == QLatin1String("--as-nobody")) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0)
                return 2;
        } else if (args[k] == QLatin1String("--file-size-limit") && k + 1 < args.size()) {
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
        const store::SaveOutcome outcome = store::saveSettings(file, snapshot);
        if (!outcome.ok()) {
            std::printf("%s\n", qPrintable(store::saveFailureMessage(file, outcome.error)));
            return 3;
        }
        if (!loop)
            return 0;
    }
}
