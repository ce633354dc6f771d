#include "recipes/recipeselection.h"

#include "recipes/linetext.h"
#include "recipes/recipekeys.h"

namespace weftara::recipes {

RecipeBlock markRecipeBlock(const QStringList &lines, const QString &name)
{
    RecipeBlock block;
    const QString header = headerPrefix();
    const QString end = endLine();
    bool inBlock = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        if (isBlankLine(line))
            continue;
        if (!inBlock) {
            if (!line.startsWith(header) || QStringView(line).sliced(header.size()) != name)
                continue;
            inBlock = true;
        } else if (line.startsWith(header)) {
            // A block without its end line stops at the next recipe, so that
            // replaying or deleting it never takes another recipe along.
            break;
        }
        block.marked.append(i);
        block.lines.append(line);
        if (line.startsWith(end))
            break;
    }
    return block;
}

} // namespace weftara::recipes
