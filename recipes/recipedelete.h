#pragma once

#include "recipes/recipelists.h"

#include <QString>
#include <QStringList>

namespace weftara::recipes {

// Deleting the selected recipe (the delete button's logic without its
// widgets).

enum class DeleteStatus {
    Deleted,
    BlockChanged, // the recipe is no longer in the file as the panel showed it: nothing written
    WriteFailed,  // the file could not be read or replaced: file and lists unchanged
};

// Deletes recipe `name` from the recipe file as it is now, not as the panel
// read it: the file is read again and the block that selecting `name` marks
// in it is cut out byte for byte, from its header line to its last line
// together with the one empty line a save puts after it. Every other byte
// stays as it was, in whatever encoding it is. When that block no longer
// holds `shown`, the lines the panel marked (another window or an editor
// changed or removed the recipe meanwhile), nothing is written. The file is
// replaced atomically. Unless the file could not be read, `lists` is then
// loaded from what the file holds.
DeleteStatus deleteRecipe(const QString &path, const QString &name, const QStringList &shown,
                          RecipeLists &lists, QString *error = nullptr);

} // namespace weftara::recipes
