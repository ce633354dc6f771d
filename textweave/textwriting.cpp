#include "textweave/textwriting.h"

#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "recipes/textgroup.h"
#include "textweave/placedtext.h"
#include "textweave/textlines.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

#include <QCoreApplication>

namespace weftara::textweave {

namespace {

platform::Surface &woven(workspace::Workspace &ws)
{
    return ws.picture(workspace::Picture::Woven);
}

} // namespace

void enterTextMode(workspace::Workspace &ws, PlacedText &placed)
{
    if (placed.textMode())
        return;
    ws.selectTab(workspace::Tab::Woven);
    woven(ws).fixDrawing();
    placed.setTextMode(true);
}

bool drawPlacedText(workspace::Workspace &ws, PlacedText &placed)
{
    // The text goes onto the woven picture as it should be: shown, and woven
    // again first if the base or pattern changed in text mode (a weave made
    // later would throw the text away).
    ws.selectTab(workspace::Tab::Woven);
    platform::Surface &surface = woven(ws);
    if (!workspace::pictureAllowed(ws, surface.size()))
        return false;
    const TextAttributes &attributes = placed.attributes();
    const float left = placed.left();
    const float top = placed.top();
    const QString text = placed.text();

    surface.setCurrentX(double(left));
    surface.setCurrentY(double(top));
    surface.setTextFont(attributes.font());
    surface.setForeColor(attributes.color);

    recipes::TextWritten written;
    written.text = text;
    written.left = left;
    written.top = top;
    written.font = attributes.fontName;
    written.color = colorValue(attributes.color);
    written.fontName = attributes.fontName;
    written.fontSize = attributes.fontSize;
    written.bold = attributes.bold;
    written.italic = attributes.italic;
    written.underline = attributes.underline;

    // Let the window repaint once before drawing; no user input is taken
    // here, so no other command can run in the middle of this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    workspace::SurfaceRollback rollback{&surface};
    for (const QString &line : drawnLines(text)) {
        surface.setCurrentX(double(left));
        surface.printLine(line);
    }
    if (!rollback.keepIfMade(ws, surface.size()))
        return false;
    ws.log().append(recipes::formatTextWrittenGroup(written));
    // The woven picture shows the text: a later tone or zoom keeps it.
    ws.flags().copyOutdated(workspace::Picture::Woven);

    surface.setCurrentX(0.0);
    surface.setCurrentY(0.0);
    placed.clearDrawn();
    return true;
}

void eraseDrawnText(workspace::Workspace &ws)
{
    woven(ws).cls();
    recipes::recordTextErased(ws.log());
}

void fixDrawnText(workspace::Workspace &ws)
{
    platform::Surface &surface = woven(ws);
    surface.fixDrawing();
    surface.refresh();
    recipes::recordTextFixed(ws.log());
}

} // namespace weftara::textweave
