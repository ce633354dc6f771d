#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace weftara::recipes {

// The two lists of the recipe panel as loaded from the recipe file.
struct RecipeLists
{
    QStringList lines; // every line of the file, empty lines included
    QStringList names; // the recipe names, one per header line, in file order
};

// Builds both lists from the lines of a recipe file: every line is one of
// the lines; a line that begins with the header gives its rest as a name.
RecipeLists parseRecipeLines(const QStringList &lines);

// Reads the recipe file (UTF-8 or Shift-JIS, CR LF or LF). nullopt when the
// file is missing or cannot be read: the panel then keeps its lists.
std::optional<RecipeLists> loadRecipeLists(const QString &path);

} // namespace weftara::recipes
