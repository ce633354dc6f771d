#pragma once

#include <QString>

namespace weftara::recipes {

// Fixed texts of the recipe file `kotoba.txt` and of the recipe panel.

// File name of the recipe file in the program folder.
inline QString recipeFileName() { return QStringLiteral("kotoba.txt"); }

// Block lines: header + name, description line, end line.
inline QString headerPrefix() { return QStringLiteral("詞初め"); }
inline QString descriptionPrefix() { return QStringLiteral("詞の説明="); }
inline QString endLine() { return QStringLiteral("詞終わり"); }

// Messages of the save button.
inline QString duplicateNameMessage() { return QStringLiteral("同じ名前があります、名前を変えてください。"); }
inline QString emptyNameMessage() { return QStringLiteral("織り詞の名前を入れてください。"); }

// The hint shown in the description box once the lists are loaded.
inline QString listHint()
{
    return QStringLiteral("上のリストをクリックするとLogの") + QStringLiteral("画像が表示されます。");
}

} // namespace weftara::recipes
