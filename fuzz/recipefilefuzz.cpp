// The recipe file with whatever bytes it holds: every recipe is found where
// its header is, a save only adds its block, and a delete cuts out exactly
// the deleted recipe's bytes, so every recipe not deleted keeps its bytes.
// The first input byte picks the recipe to delete; the rest is the file.

#include "fuzzfiles.h"

#include "platform/textfile.h"
#include "recipes/recipedelete.h"
#include "recipes/recipekeys.h"
#include "recipes/recipelists.h"
#include "recipes/recipesave.h"
#include "recipes/recipeselection.h"

#include <QCoreApplication>

using namespace weftara::recipes;

namespace {

const QStringList SavedLog{"Motoe=/p/a.bmp", "Text2= 30", "Orikomi"};

// A name no recipe in the file has yet.
QString newName(const QStringList &names)
{
    for (int i = 0;; ++i) {
        const QString name = QStringLiteral("fuzz%1").arg(i);
        if (!isDuplicateName(names, name))
            return name;
    }
}

void checkSave(const QString &path, const QByteArray &before, const RecipeLists &lists)
{
    const QString name = newName(lists.names);
    FUZZ_CHECK(saveRecipe(path, lists.names, name, u"説明", SavedLog).status == SaveStatus::Saved);
    const QByteArray after = readFuzzFile(path);
    FUZZ_CHECK(after.startsWith(before));
    const std::optional<RecipeLists> saved = loadRecipeLists(path);
    FUZZ_CHECK(saved && saved->names.size() == lists.names.size() + 1 && saved->names.last() == name);
    const QStringList block = QStringList{headerPrefix() + name, descriptionPrefix() + QStringLiteral("説明")} + SavedLog
        + QStringList{endLine()};
    FUZZ_CHECK(markRecipeBlock(saved->lines, name).lines == block);
}

void checkDelete(const QString &path, const QByteArray &before, const RecipeLists &lists, int pick)
{
    const QString name = lists.names[pick % lists.names.size()];
    const RecipeBlock block = markRecipeBlock(lists.lines, name);
    RecipeLists after = lists;
    FUZZ_CHECK(deleteRecipe(path, name, block.lines, after) == DeleteStatus::Deleted);

    // What is left is the file with one run of bytes taken out, from the
    // start of the block's header line.
    const QByteArray rest = readFuzzFile(path);
    const qsizetype cut = weftara::platform::decodeLines(before).lineStarts[block.marked.first()];
    FUZZ_CHECK(rest.size() < before.size());
    FUZZ_CHECK(rest.left(cut) == before.left(cut));
    FUZZ_CHECK(rest.mid(cut) == before.right(rest.size() - cut));

    QStringList names = lists.names;
    names.removeOne(name);
    FUZZ_CHECK(after.names == names);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString path = fuzzFolder() + QStringLiteral("/kotoba.txt");
    const QByteArray before = bytesOf(data + 1, size - 1);
    writeFuzzFile(path, before);

    const std::optional<RecipeLists> lists = loadRecipeLists(path);
    FUZZ_CHECK(lists.has_value());
    for (const QString &name : lists->names) {
        const RecipeBlock block = markRecipeBlock(lists->lines, name);
        FUZZ_CHECK(!block.marked.isEmpty() && block.lines.first() == headerPrefix() + name);
    }
    if (!lists->names.isEmpty())
        checkDelete(path, before, *lists, data[0]);

    writeFuzzFile(path, before);
    checkSave(path, before, *lists);
    return 0;
}
