#include "output/paintexchange.h"

#include "output/rgbimage.h"
#include "platform/clipboard.h"
#include "platform/dialogs.h"
#include "platform/programs.h"
#include "platform/surface.h"
#include "workspace/workspace.h"

namespace weftara::output {

namespace {

QString noPaintProgramMessage()
{
    return QStringLiteral("ペイントプログラムが見つかりません（探したもの: %1）。"
                          "どれかを入れてください。絵はクリップボードにあるので、ほかのプログラムに貼り付けることもできます。")
        .arg(paintPrograms().join(QStringLiteral("、")));
}

} // namespace

const QStringList &paintPrograms()
{
    static const QStringList programs{QStringLiteral("kolourpaint"), QStringLiteral("pinta"),
                                      QStringLiteral("mtpaint"), QStringLiteral("gimp"), QStringLiteral("krita")};
    return programs;
}

void sendToPaint(workspace::Workspace &ws, const QStringList &searchPath)
{
    platform::putImageOnClipboard(rgbImage(ws.picture(workspace::Picture::Woven).image()));
    if (!platform::startFirstProgram(paintPrograms(), searchPath))
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
