#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace weftara::platform {

// Starts the first of `programs` (names without a folder) found on the
// search path as a process of its own, and returns without waiting for it.
// `searchPath` lists the folders to look in; empty means the system's PATH.
// Returns the name of the program started; nullopt when none was found or
// none could be started.
std::optional<QString> startFirstProgram(const QStringList &programs, const QStringList &searchPath = {});

} // namespace weftara::platform
