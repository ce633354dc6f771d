#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Weftara"));

    weftara::app::MainWindow window(weftara::platform::ProgramFolder::ofExecutable());
    window.show();
    return QApplication::exec();
}
