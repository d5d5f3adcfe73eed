#include "Unit1.h"
#include "context.h"
#include "artwork.h"
#include "screens.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QLocale>
#include <QSocketNotifier>
#include <QTimer>

#include <cfenv>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_terminatePipe[2] = {-1, -1};

void onTerminate(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(g_terminatePipe[1], &byte, 1);
}

// SIGTERM and SIGINT close the main window as its title bar does, so the
// program ends the usual way (a session logout, a test driver).
void closeOnTerminate()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_terminatePipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(g_terminatePipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        [[maybe_unused]] const auto read = ::read(g_terminatePipe[0], &byte, 1);
        if (Form1)
            Form1->close();
    });
    struct sigaction action {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char *argv[])
{
    // Arithmetic never traps: division by zero gives an infinity, invalid
    // operations give NaN.
    fedisableexcept(FE_ALL_EXCEPT);

    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kalkort"));
    // Desktops match the windows to the installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(KALKORT_ID));
    translations::installQtTranslations();
    const QString separator = QLocale::system().decimalPoint();
    calc::Context::standard().decimalSeparator = separator.isEmpty() ? QChar(u'.') : separator.front();
    closeOnTerminate();

    createScreens();
    Form1->show();
    // The emblem is every window's icon; drawn once the main window is up.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(QIcon(QPixmap::fromImage(artwork::emblem()))); });
    const int status = application.exec();
    destroyScreens();
    return status;
}
