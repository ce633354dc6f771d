#include "recipes/recipedelete.h"

#include "platform/textfile.h"

#include <QSet>

namespace weftara::recipes {

DeleteStatus deleteRecipe(const QString &path, RecipeLists &lists, qsizetype selected,
                          const QList<qsizetype> &marked, QString *error)
{
    if (selected < 0 || selected >= lists.names.size())
        return DeleteStatus::NoSelection;

    const QSet<qsizetype> markedSet(marked.cbegin(), marked.cend());
    QStringList remaining;
    QStringList written;
    remaining.reserve(lists.lines.size());
    for (qsizetype i = 0; i < lists.lines.size(); ++i) {
        if (markedSet.contains(i))
            continue;
        remaining.append(lists.lines[i]);
        if (!lists.lines[i].isEmpty())
            written.append(lists.lines[i]);
    }

    // The rewrite keeps the encoding the file is in now; a file that has
    // gone missing meanwhile is written anew as UTF-8.
    const platform::TextFileContents current = platform::readTextFile(path);
    if (current.status == platform::ReadStatus::Unreadable) {
        if (error)
            *error = current.error;
        return DeleteStatus::WriteFailed;
    }
    const platform::TextEncoding encoding =
        current.ok() ? current.encoding : platform::TextEncoding::Utf8;
    if (!platform::writeTextFile(path, written, encoding, error))
        return DeleteStatus::WriteFailed;

    lists.names.removeAt(selected);
    lists.lines = remaining;
    return DeleteStatus::Deleted;
}

} // namespace weftara::recipes
