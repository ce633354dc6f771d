#pragma once

#include <QString>
#include <QStringList>

namespace weftara::recipes {

// A JPEG saved by the program carries the operation log that made it, in a
// comment: the key, ": ", then the log as UTF-8, one line to a line. The key
// tells our comment from a camera's or another program's.
QString pictureRecipeKey();

// The log lines a picture file carries; empty when it carries none (not a
// JPEG, no comment of ours, or a comment that loads no base picture).
QStringList readPictureRecipe(const QString &fileName);

// A recipe block around log lines, as replay takes it: header with the
// name, the lines, end line.
QStringList recipeBlockOf(const QString &name, const QStringList &logLines);

} // namespace weftara::recipes
