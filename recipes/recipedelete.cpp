#include "recipes/recipedelete.h"

#include "platform/textfile.h"
#include "recipes/recipeselection.h"

namespace weftara::recipes {

DeleteStatus deleteRecipe(const QString &path, const QString &name, const QStringList &shown,
                          RecipeLists &lists, QString *error)
{
    const platform::TextFileContents current = platform::readTextFile(path);
    if (current.status == platform::ReadStatus::Unreadable) {
        if (error)
            *error = current.error;
        return DeleteStatus::WriteFailed;
    }
    const RecipeBlock block = markRecipeBlock(current.lines, name);
    if (block.marked.isEmpty() || block.lines != shown) {
        lists = parseRecipeLines(current.lines);
        return DeleteStatus::BlockChanged;
    }

    const qsizetype first = block.marked.first();
    qsizetype after = block.marked.last() + 1;
    if (after < current.lines.size() && current.lines[after].isEmpty())
        ++after;
    QByteArray rest = current.bytes;
    rest.remove(current.lineStarts[first], current.lineStarts[after] - current.lineStarts[first]);
    if (!platform::writeFileBytes(path, rest, error))
        return DeleteStatus::WriteFailed;
    lists = parseRecipeLines(platform::decodeLines(rest).lines);
    return DeleteStatus::Deleted;
}

} // namespace weftara::recipes
