#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

#include <span>

namespace weftara::platform {

// What the program hands over to the desktop: documents to open in the
// program the desktop chooses for them, and other programs to start. The
// window gets the real desktop (QtDesktop); tests give a stand-in that
// records what was asked, so that no browser or tool ever starts.
class Desktop
{
public:
    virtual ~Desktop() = default;

    // Opens a file or address in the desktop's program for it (a browser
    // for a page); false when the desktop could not.
    virtual bool openUrl(const QUrl &url) = 0;

    // The full path of the program `name` on the search path, or empty text
    // when it is not installed.
    virtual QString findProgram(const QString &name) = 0;

    // Starts the program without waiting for it; false when it did not start.
    virtual bool startProgram(const QString &path) = 0;
};

// Starts the first of `programs` that is installed, without waiting for it.
// False when none is installed, or when the first one found did not start.
bool startFirstInstalled(Desktop &desktop, std::span<const QStringView> programs);

} // namespace weftara::platform
