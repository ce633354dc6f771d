#include "textweave/textweaver.h"

#include "platform/dialogs.h"
#include "platform/numbertext.h"
#include "platform/surface.h"
#include "recipes/loggroups.h"
#include "recipes/textgroup.h"
#include "textweave/textbox.h"
#include "textweave/textlines.h"
#include "textweave/textpanel.h"
#include "workspace/workspace.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace weftara::textweave {

namespace {

constexpr int WovenSurface = 2;

} // namespace

TextWeaver::TextWeaver(workspace::Workspace &ws, platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_ws(ws)
    , m_dialogs(dialogs)
{
    QWidget *frame1 = ws.controls().Frame1;
    m_panel = new TextPanel(frame1 ? frame1->parentWidget() : nullptr);
    m_panel->hide();
    m_box = new TextBox(&woven());
    m_placement = new TextPlacement(woven(), *m_box, m_flags, this);
    connectPanel();
}

void TextWeaver::connectPanel()
{
    TextPanel &p = *m_panel;
    connect(p.Command10(), &QPushButton::clicked, this, &TextWeaver::Command10_Click);
    connect(p.Command20(), &QPushButton::clicked, this, &TextWeaver::Command20_Click);
    connect(p.List5(), &QListWidget::itemClicked, this, &TextWeaver::List5_Click);
    connect(p.Text8(), &QLineEdit::textChanged, this, &TextWeaver::Text8_Change);
    connect(p.Command12(), &QPushButton::clicked, this, &TextWeaver::Command12_Click);
    connect(p.Command16(), &QPushButton::clicked, this, &TextWeaver::Command16_Click);
    connect(p.Command11(), &QPushButton::clicked, this, &TextWeaver::Command11_Click);
    connect(p.Command9(), &QPushButton::clicked, this, &TextWeaver::Command9_Click);
    connect(p.Command7(), &QPushButton::clicked, this, &TextWeaver::Command7_Click);
    connect(p.Command13(), &QPushButton::clicked, this, &TextWeaver::Command13_Click);
}

platform::Surface &TextWeaver::woven()
{
    return m_ws.Picture1(WovenSurface);
}

bool TextWeaver::panelShown() const
{
    return !m_panel->isHidden();
}

void TextWeaver::morikotoba_Click()
{
    if (m_flags.MojiModeFlg) {
        // Replay writes every text through here: a second text of a recipe
        // must not switch text mode off, or the text mode's next switch-on
        // would fix the texts before it and a later "文字消去" would no
        // longer erase them as it did when the recipe was made.
        if (!m_ws.flags().LogSaiseiFlg)
            endTextPlacement();
        return;
    }

    m_ws.selectTab(workspace::TabOrikomi);
    if (QWidget *frame1 = m_ws.controls().Frame1)
        frame1->hide();
    m_panel->showFontName(m_box->fontName(), false);
    m_panel->Text8()->setText(platform::formatNumber(m_box->fontSize()));
    m_panel->showColor(m_box->foreColor());

    woven().fixDrawing();

    if (const QWidget *frame1 = m_ws.controls().Frame1)
        m_panel->placeAt(*frame1);
    if (!m_ws.flags().LogSaiseiFlg) {
        m_panel->show();
        m_panel->raise();
    }

    m_flags.MojiModeFlg = true;
    m_box->collapse();
    m_box->show();
}

void TextWeaver::endTextPlacement()
{
    m_flags.MojiModeFlg = false;
    m_flags.MojiDragFlg = false;
    m_box->hide();
    m_panel->hide();
    if (QWidget *frame1 = m_ws.controls().Frame1)
        frame1->show();
}

void TextWeaver::replayFinished()
{
    if (m_flags.MojiModeFlg && !m_ws.flags().LogSaiseiFlg)
        endTextPlacement();
}

void TextWeaver::Command10_Click()
{
    const std::optional<QFont> chosen = m_dialogs.chooseFont(m_box->attributes().font());
    // Cancelled: the font stays as it was.
    if (!chosen)
        return;
    // Each attribute on its own: one the box refuses leaves that one as it
    // was.
    m_box->setFontName(chosen->family());
    m_box->setFontSize(chosen->pointSizeF());
    m_box->setFontBold(chosen->bold());
    m_box->setFontItalic(chosen->italic());
    m_box->setFontUnderline(chosen->underline());
    m_panel->showFontName(m_box->fontName(), true);
    if (usableFontSize(chosen->pointSizeF()))
        m_panel->Text8()->setText(platform::formatNumber(float(chosen->pointSizeF())));
}

void TextWeaver::Command20_Click()
{
    m_panel->dropFontSizeList();
    m_panel->Text8()->setText(QStringLiteral("12"));
}

void TextWeaver::List5_Click(QListWidgetItem *item)
{
    if (!item)
        return;
    m_panel->Text8()->setText(item->text());
    m_panel->List5()->hide();
}

void TextWeaver::Text8_Change()
{
    // An unusable size (no number, zero, negative, huge) leaves the size.
    m_box->setFontSize(platform::readNumber(m_panel->Text8()->text()));
}

void TextWeaver::Command12_Click()
{
    const std::optional<QColor> chosen = m_dialogs.chooseColor(m_box->foreColor());
    // Cancelled: the colour stays as it was.
    if (!chosen || !chosen->isValid())
        return;
    m_box->setForeColor(*chosen);
    m_panel->showColor(m_box->foreColor());
}

void TextWeaver::Command16_Click()
{
    m_box->setText(verticalText(m_box->text()));
}

void TextWeaver::Command11_Click()
{
    platform::Surface &surface = woven();
    const TextAttributes &attributes = m_box->attributes();
    const float left = m_box->left();
    const float top = m_box->top();
    const QString text = m_box->text();

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
    m_ws.LstLog().append(recipes::formatTextWrittenGroup(written));

    // Let the window repaint once before drawing; no user input is taken
    // here, so no other command can run in the middle of this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    for (const QString &line : drawnLines(text)) {
        surface.setCurrentX(double(left));
        surface.printLine(line);
    }

    surface.setCurrentX(0.0);
    surface.setCurrentY(0.0);
    m_box->setText(QString());
    m_box->collapse();
}

void TextWeaver::Command9_Click()
{
    clearTextLayer();
    recipes::recordTextErased(m_ws.LstLog());
}

void TextWeaver::clearTextLayer()
{
    woven().cls();
}

void TextWeaver::Command7_Click()
{
    platform::Surface &surface = woven();
    surface.fixDrawing();
    surface.refresh();
    recipes::recordTextFixed(m_ws.LstLog());
}

void TextWeaver::Command13_Click()
{
    Command7_Click();
    m_panel->hide();
    if (QWidget *frame1 = m_ws.controls().Frame1)
        frame1->show();
    m_box->hide();
    m_flags.MojiModeFlg = false;
}

} // namespace weftara::textweave
