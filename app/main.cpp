#include "app/mainwindow.h"
#include "help/programicon.h"
#include "help/version.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstring>

namespace {

// Answers --help and --version (and stops there); refuses unknown options.
void readCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("元絵に柄絵を織り込んで絵を作ります。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

bool asksOnlyForText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("Weftara"));
    QApplication::setApplicationVersion(weftara::help::programVersion());

    // The answers to --help and --version need no display.
    if (asksOnlyForText(argc, argv)) {
        const QCoreApplication textOnly(argc, argv);
        readCommandLine(textOnly);
    }

    QApplication app(argc, argv);
    readCommandLine(app);
    QApplication::setWindowIcon(weftara::help::programIcon());
    weftara::app::MainWindow window(weftara::platform::ProgramFolder::ofExecutable());
    window.show();
    return QApplication::exec();
}
