#include "batch/batchrecipe.h"

#include "recipes/loggroups.h"
#include "recipes/picturerecipe.h"
#include "recipes/recipelists.h"
#include "recipes/recipeselection.h"

#include <QDir>
#include <QFileInfo>

namespace weftara::batch {

std::variant<QStringList, QString> findRecipe(const QString &recipe, const QString &recipeFile)
{
    const QFileInfo picture(recipe);
    if (picture.isFile()) {
        const QStringList lines = recipes::readPictureRecipe(recipe);
        if (lines.isEmpty())
            return QStringLiteral("「%1」は織り詞を持つ絵ではありません。").arg(QDir::toNativeSeparators(recipe));
        return recipes::recipeBlockOf(picture.completeBaseName(), lines);
    }
    const std::optional<recipes::RecipeLists> lists = recipes::loadRecipeLists(recipeFile);
    if (!lists)
        return QStringLiteral("織り詞のファイル「%1」を読めません。").arg(QDir::toNativeSeparators(recipeFile));
    const QStringList block = recipes::markRecipeBlock(lists->lines, recipe).lines;
    if (block.isEmpty())
        return QStringLiteral("織り詞「%1」がありません。").arg(recipe);
    for (const QString &line : block)
        if (line.startsWith(recipes::BaseKey))
            return block;
    return QStringLiteral("織り詞「%1」は元絵を読み込みません。").arg(recipe);
}

} // namespace weftara::batch
