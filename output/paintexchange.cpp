#include "output/paintexchange.h"

#include "output/rgbimage.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/desktop.h"
#include "platform/surface.h"
#include "workspace/workspace.h"

namespace weftara::output {

namespace {

QString noPaintProgramMessage()
{
    QStringList names;
    for (const QStringView program : PaintPrograms)
        names << program.toString();
    return QStringLiteral("ペイントプログラムが見つかりません（探したもの: %1）。"
                          "どれかを入れてください。絵はクリップボードにあるので、ほかのプログラムに貼り付けることもできます。")
        .arg(names.join(QStringLiteral("、")));
}

} // namespace

void sendToPaint(workspace::Workspace &ws, platform::Desktop &desktop)
{
    platform::putImageOnClipboard(rgbImage(ws.picture(workspace::Picture::Woven).image()));
    if (!platform::startFirstInstalled(desktop, PaintPrograms))
        ws.dialogs().message(noPaintProgramMessage());
}

void takeFromPaint(workspace::Workspace &ws)
{
    const QImage picture = platform::imageOnClipboard();
    if (picture.isNull())
        return;
    platform::Surface &woven = ws.picture(workspace::Picture::Woven);
    woven.setPicture(picture);
    woven.refresh();
}

} // namespace weftara::output
