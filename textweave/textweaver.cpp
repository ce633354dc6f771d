#include "textweave/textweaver.h"

#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "textweave/placedtext.h"
#include "textweave/textbox.h"
#include "textweave/textlines.h"
#include "textweave/textpanel.h"
#include "textweave/textwriting.h"
#include "workspace/controlpanel.h"
#include "workspace/picturecanvas.h"
#include "workspace/picturetabs.h"
#include "workspace/workspace.h"

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
    connect(&m_placed, &PlacedText::textModeChanged, this, &TextWeaver::showTextMode);
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
    if (m_placed.textMode()) {
        // Replay draws every text through here: a second text of a recipe
        // must not switch text mode off, or a later erase would no longer
        // reach the texts before it.
        if (!m_ws.flags().replaying)
            endTextPlacement();
        return;
    }
    enterTextMode(m_ws, m_placed);
}

void TextWeaver::showTextMode(bool on)
{
    if (!on) {
        m_flags.sizingBox = false;
        m_box->hide();
        m_panel->hide();
        showControlPanel(true);
        return;
    }
    showControlPanel(false);
    m_panel->showFontName(m_placed.fontName(), false);
    m_panel->fontSizeBox()->setText(platform::formatNumber(m_placed.fontSize()));
    m_panel->showColor(m_placed.color());
    if (const QWidget *controlPanel = m_ws.controls().controlPanel)
        m_panel->placeAt(*controlPanel);
    if (!m_ws.flags().replaying) {
        m_panel->show();
        m_panel->raise();
    }
    m_box->collapse();
    m_box->show();
}

void TextWeaver::endTextPlacement()
{
    // Out of text mode too, the control panel comes back (a base picture
    // chosen while another panel stood in its place).
    if (m_placed.textMode())
        m_placed.setTextMode(false);
    else
        showTextMode(false);
}

void TextWeaver::replayFinished()
{
    if (m_placed.textMode() && !m_ws.flags().replaying)
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
    drawPlacedText(m_ws, m_placed);
}

void TextWeaver::eraseText()
{
    eraseDrawnText(m_ws);
}

void TextWeaver::fixText()
{
    fixDrawnText(m_ws);
}

void TextWeaver::closeTextPanel()
{
    fixText();
    endTextPlacement();
}

} // namespace weftara::textweave
