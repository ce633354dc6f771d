#include "recipes/recipelists.h"

#include "platform/textfile.h"
#include "recipes/recipekeys.h"

namespace weftara::recipes {

RecipeLists parseRecipeLines(const QStringList &lines)
{
    RecipeLists lists;
    lists.lines = lines;
    const QString header = headerPrefix();
    for (const QString &line : lines) {
        if (line.startsWith(header))
            lists.names.append(line.sliced(header.size()));
    }
    return lists;
}

std::optional<RecipeLists> loadRecipeLists(const QString &path)
{
    const platform::TextFileContents contents = platform::readTextFile(path);
    if (!contents.ok())
        return std::nullopt;
    return parseRecipeLines(contents.lines);
}

} // namespace weftara::recipes
