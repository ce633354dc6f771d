#include "textweave/textweaver.h"

#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "recipes/loggroups.h"
#include "recipes/textgroup.h"
#include "textweave/placedtext.h"
#include "textweave/textbox.h"
#include "textweave/textlines.h"
#include "textweave/textpanel.h"
#include "workspace/controlpanel.h"
#include "workspace/picturecanvas.h"
#include "workspace/picturetabs.h"
#include "workspace/surfaceops.h"
#include "workspace/workspace.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace weftara::textweave {

TextWeaver::TextWeaver(workspace::Workspace &ws, platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_ws(ws)
    , m_dialogs(dialogs)
{
    QWidget *controlPanel = ws.controls().controlPanel;
    m_panel = new TextPanel(controlPanel ? controlPanel->parentWidget() : nullptr);
    m_panel->hide();
    // The box lies on the woven picture's view.
    const workspace::PictureTabs *tabs = ws.controls().pictureTabs;
    m_box = new TextBox(m_placed, tabs ? tabs->canvas()->viewOf(woven()) : nullptr);
    // Owned by this object, like the panel and the box by their parents.
    new TextPlacement(woven(), *m_box, m_flags, this);
    connectPanel();
}

void TextWeaver::connectPanel()
{
    TextPanel &p = *m_panel;
    connect(p.fontButton(), &QPushButton::clicked, this, &TextWeaver::chooseFont);
    connect(p.fontSizeButton(), &QPushButton::clicked, this, &TextWeaver::showFontSizes);
    connect(p.fontSizeList(), &QListWidget::itemClicked, this, &TextWeaver::onFontSizeClicked);
    connect(p.fontSizeBox(), &QLineEdit::textChanged, this, &TextWeaver::onFontSizeEdited);
    connect(p.colorButton(), &QPushButton::clicked, this, &TextWeaver::chooseTextColor);
    connect(p.verticalButton(), &QPushButton::clicked, this, &TextWeaver::writeVertically);
    connect(p.drawButton(), &QPushButton::clicked, this, &TextWeaver::drawText);
    connect(p.eraseButton(), &QPushButton::clicked, this, &TextWeaver::eraseText);
    connect(p.fixButton(), &QPushButton::clicked, this, &TextWeaver::fixText);
    connect(p.closeButton(), &QPushButton::clicked, this, &TextWeaver::closeTextPanel);
}

platform::Surface &TextWeaver::woven()
{
    return m_ws.picture(workspace::Picture::Woven);
}

bool TextWeaver::panelShown() const
{
    return !m_panel->isHidden();
}

void TextWeaver::showControlPanel(bool shown)
{
    if (QWidget *controlPanel = m_ws.controls().controlPanel)
        controlPanel->setVisible(shown);
}

void TextWeaver::toggleTextMode()
{
    if (m_flags.textMode) {
        // Replay draws every text through here: a second text of a recipe
        // must not switch text mode off, or a later erase would no longer
        // reach the texts before it.
        if (!m_ws.flags().replaying)
            endTextPlacement();
        return;
    }

    m_ws.selectTab(workspace::Tab::Woven);
    showControlPanel(false);
    m_panel->showFontName(m_placed.fontName(), false);
    m_panel->fontSizeBox()->setText(platform::formatNumber(m_placed.fontSize()));
    m_panel->showColor(m_placed.color());

    woven().fixDrawing();

    if (const QWidget *controlPanel = m_ws.controls().controlPanel)
        m_panel->placeAt(*controlPanel);
    if (!m_ws.flags().replaying) {
        m_panel->show();
        m_panel->raise();
    }

    m_flags.textMode = true;
    m_box->collapse();
    m_box->show();
}

void TextWeaver::endTextPlacement()
{
    m_flags.textMode = false;
    m_flags.sizingBox = false;
    m_box->hide();
    m_panel->hide();
    showControlPanel(true);
}

void TextWeaver::replayFinished()
{
    if (m_flags.textMode && !m_ws.flags().replaying)
        endTextPlacement();
}

void TextWeaver::chooseFont()
{
    const std::optional<QFont> chosen = m_dialogs.chooseFont(m_placed.attributes().font());
    // Cancelled: the font stays as it was.
    if (!chosen)
        return;
    // Each attribute on its own: one the box refuses leaves that one as it
    // was.
    m_placed.setFontName(chosen->family());
    m_placed.setFontSize(chosen->pointSizeF());
    m_placed.setFontBold(chosen->bold());
    m_placed.setFontItalic(chosen->italic());
    m_placed.setFontUnderline(chosen->underline());
    m_panel->showFontName(m_placed.fontName(), true);
    if (usableFontSize(chosen->pointSizeF()))
        m_panel->fontSizeBox()->setText(platform::formatNumber(float(chosen->pointSizeF())));
}

void TextWeaver::showFontSizes()
{
    m_panel->dropFontSizeList();
    m_panel->fontSizeBox()->setText(QStringLiteral("12"));
}

void TextWeaver::onFontSizeClicked(QListWidgetItem *item)
{
    if (!item)
        return;
    m_panel->fontSizeBox()->setText(item->text());
    m_panel->fontSizeList()->hide();
}

void TextWeaver::onFontSizeEdited()
{
    // An unusable size (no number, zero, negative, huge) leaves the size.
    m_placed.setFontSize(platform::readNumber(m_panel->fontSizeBox()->text()));
}

void TextWeaver::chooseTextColor()
{
    const std::optional<QColor> chosen = m_dialogs.chooseColor(m_placed.color());
    // Cancelled: the colour stays as it was.
    if (!chosen || !chosen->isValid())
        return;
    m_placed.setColor(*chosen);
    m_panel->showColor(m_placed.color());
}

void TextWeaver::writeVertically()
{
    m_placed.setText(verticalText(m_placed.text()));
}

void TextWeaver::drawText()
{
    // The text goes onto the woven picture as it should be: shown, and woven
    // again first if the base or pattern changed in text mode (a weave made
    // later would throw the text away).
    m_ws.selectTab(workspace::Tab::Woven);
    platform::Surface &surface = woven();
    if (!workspace::pictureAllowed(m_ws, surface.size()))
        return;
    const TextAttributes &attributes = m_placed.attributes();
    const float left = m_placed.left();
    const float top = m_placed.top();
    const QString text = m_placed.text();

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
    if (!rollback.keepIfMade(m_ws, surface.size()))
        return;
    m_ws.log().append(recipes::formatTextWrittenGroup(written));
    // The woven picture shows the text: a later tone or zoom keeps it.
    m_ws.flags().copyOutdated(workspace::Picture::Woven);

    surface.setCurrentX(0.0);
    surface.setCurrentY(0.0);
    m_placed.setText(QString());
    m_box->collapse();
}

void TextWeaver::eraseText()
{
    woven().cls();
    recipes::recordTextErased(m_ws.log());
}

void TextWeaver::fixText()
{
    platform::Surface &surface = woven();
    surface.fixDrawing();
    surface.refresh();
    recipes::recordTextFixed(m_ws.log());
}

void TextWeaver::closeTextPanel()
{
    fixText();
    m_panel->hide();
    showControlPanel(true);
    m_box->hide();
    m_flags.textMode = false;
}

} // namespace weftara::textweave
