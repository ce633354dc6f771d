#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace weftara::recipes {

// Storing the operation log as a named recipe (the save button's logic
// without its widgets).

enum class SaveStatus {
    Saved,
    DuplicateName, // a stored name equals the new one (spaces trimmed, case ignored)
    EmptyName,     // the name is empty after trimming spaces
    WriteFailed,   // the recipe file could not be written; it is unchanged
};

struct SaveResult
{
    SaveStatus status = SaveStatus::Saved;
    // The description joined into one line, for the description box; set
    // once the name checks have passed.
    QString description;
    QString error; // why the write failed
};

// Names are compared trimmed of spaces and upper-cased.
bool isDuplicateName(const QStringList &names, QStringView name);

// The lines of one recipe block: "詞初め" + name, "詞の説明=" + description,
// every log line, "詞終わり", one empty line. Line breaks inside the name,
// the description or a log line are removed so that each entry stays on one
// file line.
QStringList buildRecipeBlock(QStringView name, QStringView description, const QStringList &log);

// Checks the name (duplicate first, then empty) against `names` and the names
// the file holds now, and appends the block to the recipe file in the
// encoding of the file's lines (a new file is UTF-8). What the file already
// holds is never written again; a failed write leaves it as it was. Nothing
// is written unless the status is Saved.
SaveResult saveRecipe(const QString &path, const QStringList &names, QStringView name,
                      QStringView description, const QStringList &log);

// The message box text for a status; empty for Saved and WriteFailed (the
// program has no message of its own for a failed write).
QString saveMessage(SaveStatus status);

} // namespace weftara::recipes
