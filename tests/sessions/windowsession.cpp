#include "sessions/windowsession.h"

#include "collections/collectionsheet.h"
#include "platform/surface.h"
#include "platform/surfaceview.h"
#include "recipes/recipebook.h"
#include "recipes/recipepanel.h"
#include "textweave/textbox.h"
#include "textweave/textpanel.h"
#include "textweave/textweaver.h"
#include "workspace/controlpanel.h"
#include "workspace/weaveoptionspanel.h"
#include "workspace/workspaceform.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace weftara::sessions {

namespace {

using workspace::Picture;
using workspace::Tab;

// The middle of thumbnail `k` on a sheet of `cell`-pixel cells, `columns`
// to a row.
QPoint thumbnail(int k, int cell, int columns)
{
    return {(k % columns) * cell + cell / 2, (k / columns) * cell + cell / 2};
}

QFont fontWithStyle(const QFont &current, const QString &style)
{
    QFont font = current;
    font.setBold(style.contains(QLatin1String("bold")));
    font.setItalic(style.contains(QLatin1String("italic")));
    font.setUnderline(style.contains(QLatin1String("underline")));
    return font;
}

} // namespace

WindowSession::WindowSession(const platform::ProgramFolder &programFolder)
    : m_window(programFolder, &m_dialogs)
{
}

workspace::Workspace &WindowSession::workspace() const
{
    return m_window.form().workspace();
}

void WindowSession::apply(const Operation &op)
{
    workspace::WorkspaceForm &form = m_window.form();
    workspace::Workspace &ws = workspace();
    workspace::Controls &c = ws.controls();
    workspace::ControlPanel &panel = *form.controlPanel();
    switch (op.action) {
    case Action::ChooseBase:
        form.clickTab(Tab::BaseCollection);
        QTest::mouseClick(form.surfaceView(ws.baseSheet()), Qt::LeftButton, {},
                          thumbnail(op.number, collections::BaseGrid.cell, collections::BaseGrid.columns));
        return;
    case Action::ChoosePattern:
        form.clickTab(Tab::PatternCollection);
        QTest::mouseClick(form.surfaceView(ws.patternSheet()), Qt::LeftButton, {},
                          thumbnail(op.number, collections::PatternGrid.cell, collections::PatternGrid.columns));
        return;
    case Action::ClickTab:
        form.clickTab(Tab(op.number));
        return;
    case Action::MoveWeaveRatio:
        c.weaveRatioSlider.setValue(op.number);
        return;
    case Action::TypeWeaveRatio:
        c.weaveRatioBox.setText(op.text);
        return;
    case Action::PressWeave:
        panel.effectButton(workspace::EffectButton::Weave)->click();
        return;
    case Action::TickOption:
    case Action::UntickOption:
        c.weaveOptionCheckBoxes[op.part].setChecked(op.action == Action::TickOption);
        return;
    case Action::CloseOptions:
        c.weaveOptionsPanel->closeButton()->click();
        return;
    case Action::MoveThreshold:
        c.thresholdSliders[op.part].setValue(op.number);
        return;
    case Action::TypeThreshold:
        c.thresholdBoxes[op.part].setText(op.text);
        return;
    case Action::PressEffect:
        panel.effectButton(op.effect)->click();
        return;
    case Action::MoveColorStep:
        c.colorStepSlider.setValue(op.number);
        return;
    case Action::TypeColorStep:
        c.colorStepBox.setText(op.text);
        return;
    case Action::PressChannel:
        panel.channelButton(op.channel)->click();
        return;
    case Action::MoveTone:
        c.toneSlider.setValue(op.number);
        return;
    case Action::ApplyTone:
        c.toneBox.setText(op.text);
        panel.effectButton(workspace::EffectButton::Tone)->click();
        return;
    case Action::MoveZoom:
        c.zoomSlider.setValue(op.number);
        return;
    case Action::ApplyZoom:
        c.zoomBox.setText(op.text);
        panel.effectButton(workspace::EffectButton::Zoom)->click();
        return;
    case Action::ToggleTextMode:
        m_window.menus().textModeAction->trigger();
        return;
    case Action::ReplayLog: {
        const QString name = QStringLiteral("途中%1").arg(++m_replays);
        saveRecipe(name);
        replayRecipe(name);
        return;
    }
    default:
        applyText(op);
        return;
    }
}

void WindowSession::applyText(const Operation &op)
{
    textweave::TextWeaver &text = m_window.textWeaver();
    textweave::TextPanel &panel = text.textPanel();
    QWidget *woven = m_window.form().surfaceView(workspace().picture(Picture::Woven));
    switch (op.action) {
    case Action::PlaceTextBox:
        QTest::mousePress(woven, Qt::LeftButton, {}, QPoint(op.number, op.y));
        QTest::mouseRelease(woven, Qt::LeftButton, {}, QPoint(op.number, op.y));
        return;
    case Action::TypeText:
        text.placedText().setText(QString(op.text).replace(u'|', QStringLiteral("\r\n")));
        return;
    case Action::TypeFontSize:
        panel.fontSizeBox()->setText(op.text);
        return;
    case Action::ChooseColor:
        m_dialogs.queueColor(QColor(op.text));
        panel.colorButton()->click();
        return;
    case Action::ChooseFontStyle:
        m_dialogs.queueFont(fontWithStyle(text.placedText().attributes().font(), op.text));
        panel.fontButton()->click();
        return;
    case Action::WriteVertically:
        panel.verticalButton()->click();
        return;
    case Action::DrawText:
        panel.drawButton()->click();
        return;
    case Action::EraseText:
        panel.eraseButton()->click();
        return;
    case Action::FixText:
        panel.fixButton()->click();
        return;
    case Action::CloseTextPanel:
        panel.closeButton()->click();
        return;
    default:
        return;
    }
}

SessionView WindowSession::view() const
{
    return {workspace().selectedTab(), m_window.textWeaver().textMode(), workspace().log().lines()};
}

SessionSnapshot WindowSession::snapshot() const
{
    workspace::Workspace &ws = workspace();
    return {ws.picture(Picture::Base).image().copy(), ws.picture(Picture::Pattern).image().copy(),
            ws.picture(Picture::Woven).image().copy(), ws.log().lines()};
}

void WindowSession::saveRecipe(const QString &name)
{
    m_window.recipeBook().openPanel();
    m_window.recipePanel().nameBox()->setText(name);
    m_window.recipePanel().saveButton()->click();
}

void WindowSession::replayRecipe(const QString &name)
{
    m_window.recipeBook().openPanel();
    QListWidget *names = m_window.recipePanel().nameList();
    const QList<QListWidgetItem *> found = names->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    names->setCurrentItem(found.first());
    QTest::mouseClick(names->viewport(), Qt::LeftButton, {}, names->visualItemRect(found.first()).center());
}

void writeSessionPictures(const QString &programFolder)
{
    const QDir folder(programFolder);
    folder.mkpath(QStringLiteral("Motoe"));
    folder.mkpath(QStringLiteral("Garae"));
    const auto save = [&](const QString &name, QSize size, auto colour) {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, colour(x, y));
        image.save(folder.filePath(name), "PNG");
    };
    save(QStringLiteral("Motoe/a.png"), {60, 40}, [](int x, int y) { return qRgb(x * 4, y * 6, 255 - x * 4); });
    // Pure white and black patches for the weaves into the light and dark parts.
    save(QStringLiteral("Motoe/b.png"), {44, 44}, [](int x, int y) {
        if ((x / 11 + y / 11) % 3 == 0)
            return qRgb(255, 255, 255);
        if ((x / 11 + y / 11) % 3 == 1)
            return qRgb(0, 0, 0);
        return qRgb(x * 5, 128, y * 5);
    });
    save(QStringLiteral("Motoe/c.png"), {33, 21}, [](int x, int y) { return qRgb(200 - y * 9, x * 7, 90); });
    save(QStringLiteral("Garae/p.png"), {16, 12},
         [](int x, int) { return (x / 4) % 2 ? qRgb(250, 250, 250) : qRgb(20, 90, 160); });
    save(QStringLiteral("Garae/q.png"), {7, 5},
         [](int x, int y) { return (x + y) % 2 ? qRgb(240, 30, 30) : qRgb(10, 10, 10); });
    save(QStringLiteral("Garae/r.png"), {70, 50}, [](int x, int y) { return qRgb(x * 3, 255 - y * 5, x * y % 256); });
}

} // namespace weftara::sessions
