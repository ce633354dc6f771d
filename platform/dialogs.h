#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace weftara::platform {

// A file name chosen in the save dialog and the filter it was chosen under
// (an index into the filters offered).
struct SaveChoice
{
    QString fileName;
    int filter = 0;
};

// How far a long piece of work has come, shown once the work takes long
// enough to be noticed; the person may stop it.
class Progress
{
public:
    virtual ~Progress() = default;
    // `done` of `total` steps are done; false once the person asked to stop.
    virtual bool report(int done, int total) = 0;
};

// Everything that asks the person at the screen something. The window gets
// the real dialogs (QtDialogs); tests give a scripted stand-in that records
// the messages and answers the questions, so that no window ever blocks.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A message box with one OK button; returns once it has been dismissed.
    virtual void message(const QString &text) = 0;

    // A question with "はい" and "いいえ"; true for yes.
    virtual bool ask(const QString &question) = 0;

    // The font dialog, opened on `initial`; nullopt when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;

    // The colour dialog, opened on `initial`; nullopt when cancelled.
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;

    // A progress report for work described by `text`; nullptr shows none.
    virtual std::unique_ptr<Progress> startProgress(const QString &text)
    {
        Q_UNUSED(text);
        return nullptr;
    }

    // The save dialog titled `title`, offering `filters` ("BMPファイル
    // (*.bmp)") with the first one chosen; nullopt when cancelled.
    virtual std::optional<SaveChoice> chooseSaveFile(const QString &title, const QStringList &filters) = 0;
};

} // namespace weftara::platform
