#include "app/mainwindow.h"
#include "app/programfolders.h"
#include "help/programicon.h"
#include "help/version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

#include <cstring>

namespace {

// Answers --help and --version (and stops there); refuses unknown options.
// Returns the pictures named on the command line.
QStringList readCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("元絵に柄絵を織り込んで絵を作ります。"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("picture"), QStringLiteral("元絵として開く絵のファイル"),
                                 QStringLiteral("[picture]"));
    parser.process(app);
    return parser.positionalArguments();
}

bool asksOnlyForText(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char *option : {"-h", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

// A picture named on the command line: a path (relative to the current
// folder) or a file URL, as desktops may pass either.
QString picturePathOf(const QString &argument)
{
    const QUrl url(argument);
    if (url.isLocalFile())
        return url.toLocalFile();
    return QDir::current().absoluteFilePath(argument);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication::setApplicationName(QStringLiteral("Weftara"));
    QApplication::setApplicationVersion(weftara::help::programVersion());
    QApplication::setDesktopFileName(QStringLiteral("io.github.weftara.Weftara"));

    // The answers to --help and --version need no display.
    if (asksOnlyForText(argc, argv)) {
        const QCoreApplication textOnly(argc, argv);
        readCommandLine(textOnly);
    }

    QApplication app(argc, argv);
    const QStringList pictures = readCommandLine(app);
    QApplication::setWindowIcon(weftara::help::programIcon());

    using namespace weftara::app;
    const ProgramFolders folders = chooseProgramFolders(placeOfExecutable(QStringLiteral(WEFTARA_INSTALLED_DATA)));
    if (folders.files.path() != folders.shipped.path()) {
        const QStringList failed = copyMissingSamples(folders.shipped, folders.files, sampleNames());
        if (!failed.isEmpty())
            QMessageBox::warning(nullptr, QStringLiteral("Weftara"),
                                 QStringLiteral("見本（%1）を %2 にコピーできませんでした。")
                                     .arg(failed.join(QStringLiteral("、")),
                                          QDir::toNativeSeparators(folders.files.path())));
    }

    MainWindow window(folders);
    window.show();
    if (!pictures.isEmpty())
        window.openPicture(picturePathOf(pictures.first()));
    return QApplication::exec();
}
