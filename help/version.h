#pragma once

#include <QString>

namespace weftara::help {

// The program's version, "major.minor.revision". The build sets it once
// (the project version in the top CMakeLists.txt); the About box and
// --version show it.
QString programVersion();

} // namespace weftara::help
