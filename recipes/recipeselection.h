#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace weftara::recipes {

// The block of one recipe inside List2.
struct RecipeBlock
{
    QList<qsizetype> marked; // indices into List2, ascending
    QStringList LstlogBack;  // the marked lines, in order
};

// The marking step of selecting a recipe (`KotobaSentaku`). Walks List2 and
// skips lines that are blank after trimming spaces. The first header line
// ("詞初め" + name) whose name equals `name` exactly starts the block; it and
// every following non-blank line are marked, up to and including the first
// line that begins with "詞終わり" (when there is none, up to the next
// header line or the end of the list). Only header lines can start a block, so a log line that happens to
// end in the name (a recipe named "2" and an earlier "単色 2") never takes
// the place of the recipe's own block. No matching header: nothing marked.
RecipeBlock markRecipeBlock(const QStringList &List2, const QString &name);

} // namespace weftara::recipes
