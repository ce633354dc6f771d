#pragma once

#include <QString>
#include <QStringView>

namespace weftara::recipes {

// Small text rules shared by the recipe file and the replay.

// Removes leading and trailing blanks (the space character only, as the
// name comparison and the blank-line test of the recipe file do).
QStringView trimSpaces(QStringView text);

// True when the line is empty after trimming spaces.
bool isBlankLine(QStringView line);

// Removes every line break: CR LF, and a lone CR or LF as well, so that the
// result always stays on one line of the recipe file.
QString withoutLineBreaks(QStringView text);

} // namespace weftara::recipes
