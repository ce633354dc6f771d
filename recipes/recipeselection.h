#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace weftara::recipes {

// The block of one recipe inside the recipe file's lines.
struct RecipeBlock
{
    QList<qsizetype> marked; // indices into the lines, ascending
    QStringList lines;       // the marked lines, in order
};

// The marking step of selecting a recipe. Walks the file's lines and skips
// lines that are blank after trimming spaces. The first header line
// ("詞初め" + name) whose name equals `name` exactly starts the block; it and
// every following non-blank line are marked, up to and including the first
// line that begins with "詞終わり" (when there is none, up to the next
// header line or the end of the lines). No matching header: nothing marked.
RecipeBlock markRecipeBlock(const QStringList &lines, const QString &name);

} // namespace weftara::recipes
