#pragma once

#include <QString>
#include <QStringView>

namespace weftara::platform {
class Desktop;
class Dialogs;
class ProgramFolder;
} // namespace weftara::platform

namespace weftara::help {

// The help documents beside the program.
inline constexpr QStringView HelpFileName = u"weftara.HLP";
inline constexpr QStringView HtmlHelpFileName = u"setumeiindex.html";

// The help file in the program folder, with one separator between the two
// even when the folder is a root that already ends in one.
QString helpFilePath(const platform::ProgramFolder &folder);

// "ヘルプ": the help file when there is one beside the program and the
// desktop can open it, otherwise the HTML page.
void openHelp(const platform::ProgramFolder &folder, platform::Desktop &desktop, platform::Dialogs &dialogs);

// "HTMLヘルプ": the HTML page in the desktop's browser. A page that is
// missing or that the desktop cannot open is reported.
void openHtmlHelp(const platform::ProgramFolder &folder, platform::Desktop &desktop, platform::Dialogs &dialogs);

} // namespace weftara::help
