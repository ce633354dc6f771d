#include "recipes/recipesave.h"

#include "platform/textfile.h"
#include "recipes/linetext.h"
#include "recipes/recipekeys.h"
#include "recipes/recipelists.h"

namespace weftara::recipes {

namespace {

QString comparableName(QStringView name)
{
    return trimSpaces(name).toString().toUpper();
}

} // namespace

bool isDuplicateName(const QStringList &names, QStringView name)
{
    const QString wanted = comparableName(name);
    for (const QString &entry : names) {
        if (comparableName(entry) == wanted)
            return true;
    }
    return false;
}

QStringList buildRecipeBlock(QStringView name, QStringView description, const QStringList &log)
{
    QStringList block;
    block.reserve(log.size() + 4);
    block.append(headerPrefix() + withoutLineBreaks(name));
    block.append(descriptionPrefix() + withoutLineBreaks(description));
    for (const QString &line : log)
        block.append(withoutLineBreaks(line));
    block.append(endLine());
    block.append(QString());
    return block;
}

SaveResult saveRecipe(const QString &path, const QStringList &names, QStringView name,
                      QStringView description, const QStringList &log)
{
    SaveResult result;
    const QString oneLineName = withoutLineBreaks(name);
    // Another window may have saved the same name since the lists were read.
    const std::optional<RecipeLists> stored = loadRecipeLists(path);
    if (isDuplicateName(names, oneLineName) || (stored && isDuplicateName(stored->names, oneLineName))) {
        result.status = SaveStatus::DuplicateName;
        return result;
    }
    if (trimSpaces(oneLineName).isEmpty()) {
        result.status = SaveStatus::EmptyName;
        return result;
    }
    result.description = withoutLineBreaks(description);
    const QStringList block = buildRecipeBlock(oneLineName, result.description, log);
    if (!platform::appendTextFile(path, block, &result.error))
        result.status = SaveStatus::WriteFailed;
    return result;
}

QString saveMessage(SaveStatus status)
{
    switch (status) {
    case SaveStatus::DuplicateName:
        return duplicateNameMessage();
    case SaveStatus::EmptyName:
        return emptyNameMessage();
    case SaveStatus::Saved:
    case SaveStatus::WriteFailed:
        break;
    }
    return {};
}

} // namespace weftara::recipes
