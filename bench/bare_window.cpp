// An empty fixed-size window, the size of the main window.
#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window"));
    window.setFixedSize(215, 637);
    window.move(399, 29);
    window.show();
    return application.exec();
}
