#pragma once

#include "sessions/operation.h"

#include <QImage>
#include <QStringList>

namespace weftara::sessions {

// What the next step of a session may depend on.
struct SessionView
{
    workspace::Tab tab = workspace::Tab::BaseCollection;
    bool textMode = false;
    QStringList log;
};

// What a session leaves: the three pictures as shown, and the log.
struct SessionSnapshot
{
    QImage base;
    QImage pattern;
    QImage woven;
    QStringList log;
};

// Something that runs a session's steps as a user would do them: the real
// window, or anything else that offers the same controls. A driver starts
// as a freshly opened program on its program folder.
class SessionDriver
{
public:
    virtual ~SessionDriver() = default;

    virtual void apply(const Operation &op) = 0;
    virtual SessionView view() const = 0;
    virtual SessionSnapshot snapshot() const = 0;
    // The messages shown so far, oldest first.
    virtual QStringList messages() const = 0;

    // Stores the log as a recipe named `name` in the program folder's
    // recipe file, and replays a stored recipe by its name.
    virtual void saveRecipe(const QString &name) = 0;
    virtual void replayRecipe(const QString &name) = 0;
};

} // namespace weftara::sessions
