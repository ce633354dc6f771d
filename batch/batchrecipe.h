#pragma once

#include <QString>
#include <QStringList>

#include <variant>

namespace weftara::batch {

// The recipe block to replay: `recipe` names a JPEG saved by the program
// (its own recipe), or a recipe in `recipeFile`. Otherwise the message that
// says why there is none.
std::variant<QStringList, QString> findRecipe(const QString &recipe, const QString &recipeFile);

} // namespace weftara::batch
