#include "help/helpcommands.h"

#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/programfolder.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace weftara::help {

QString helpFilePath(const platform::ProgramFolder &folder)
{
    return folder.filePath(HelpFileName);
}

void openHelp(const platform::ProgramFolder &folder, platform::Desktop &desktop, platform::Dialogs &dialogs)
{
    const QString path = helpFilePath(folder);
    if (QFileInfo(path).isFile() && desktop.openUrl(QUrl::fromLocalFile(path)))
        return;
    openHtmlHelp(folder, desktop, dialogs);
}

void openHtmlHelp(const platform::ProgramFolder &folder, platform::Desktop &desktop, platform::Dialogs &dialogs)
{
    const QString path = folder.filePath(HtmlHelpFileName);
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        dialogs.message(QStringLiteral("ヘルプのページが見つかりません。\n%1").arg(shown));
        return;
    }
    if (!desktop.openUrl(QUrl::fromLocalFile(path)))
        dialogs.message(QStringLiteral("ヘルプのページを開けません。ページを開くブラウザーが"
                                       "設定されているか確かめてください。\n%1")
                            .arg(shown));
}

} // namespace weftara::help
