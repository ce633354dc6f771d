#pragma once

#include "recipes/recipelists.h"

#include <QList>
#include <QString>

namespace weftara::recipes {

// Deleting the selected recipe (the delete button's logic without its
// widgets).

enum class DeleteStatus {
    Deleted,
    NoSelection, // no recipe name is selected: nothing happens
    WriteFailed, // the file could not be read or replaced: file and lists unchanged
};

// Removes name `selected` from the names and the lines `marked` (the block
// that `markRecipeBlock` marked for that name) from the lines, then rewrites
// the recipe file with every remaining line that is not empty, in order, in
// the encoding the file has. The file is replaced atomically: a failure part-way
// leaves the old file complete. The lists are edited only once the file is
// written, so they always show what the file holds.
DeleteStatus deleteRecipe(const QString &path, RecipeLists &lists, qsizetype selected,
                          const QList<qsizetype> &marked, QString *error = nullptr);

} // namespace weftara::recipes
