#include "app/windowreplaytarget.h"

#include "collections/pictureloading.h"
#include "platform/surface.h"
#include "textweave/textbox.h"
#include "textweave/textweaver.h"
#include "workspace/effectdispatch.h"
#include "workspace/weavepipeline.h"
#include "workspace/workspace.h"
#include "workspace/zoom.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace weftara::app {

WindowReplayTarget::WindowReplayTarget(workspace::Workspace &ws, collections::PictureLoading &loading,
                                       textweave::TextWeaver &text, QPlainTextEdit &Text11)
    : m_ws(ws)
    , m_loading(loading)
    , m_text(text)
    , m_text11(Text11)
{
}

void WindowReplayTarget::clearLog() { m_ws.LstLog().clear(); }
void WindowReplayTarget::setText11(const QString &description) { m_text11.setPlainText(description); }

void WindowReplayTarget::MotoeLoad(const QString &path)
{
    QString loaded = path;
    m_loading.MotoeLoad(loaded);
}

void WindowReplayTarget::GaraeLoad(const QString &path)
{
    QString loaded = path;
    m_loading.GaraeLoad(loaded);
}

void WindowReplayTarget::hidePicture1(int index) { m_ws.Picture1(index).hide(); }
void WindowReplayTarget::setMotoeSentakuFlg(bool value) { m_ws.flags().MotoeSentakuFlg = value; }
void WindowReplayTarget::setGaraeSentakuFlg(bool value) { m_ws.flags().GaraeSentakuFlg = value; }
void WindowReplayTarget::setOrikomiFlg(bool value) { m_ws.flags().OrikomiFlg = value; }
void WindowReplayTarget::selectTab(int tab) { m_ws.selectTab(tab); }

void WindowReplayTarget::setCheck1(int index, bool ticked)
{
    m_ws.controls().Check1.at(std::size_t(index))->setChecked(ticked);
}

// The sliders keep a value within their own range (QScrollBar clamps), and
// react only when the value changes.
void WindowReplayTarget::setHScroll7(int index, qint16 value)
{
    m_ws.controls().HScroll7.at(std::size_t(index))->setValue(value);
}

void WindowReplayTarget::setText2(const QString &text) { m_ws.controls().Text2->setText(text); }
void WindowReplayTarget::getCommand() { workspace::getCommand(m_ws); }

void WindowReplayTarget::setFlgState(int index, qint16 value)
{
    m_ws.flags().FlgState.at(std::size_t(index)) = value;
}

void WindowReplayTarget::setHScroll3(qint16 value) { m_ws.controls().HScroll3->setValue(value); }
void WindowReplayTarget::setHScroll2(qint16 value) { m_ws.controls().HScroll2->setValue(value); }
void WindowReplayTarget::setText4(const QString &text) { m_ws.controls().Text4->setText(text); }
void WindowReplayTarget::MotoeZoom() { workspace::MotoeZoom(m_ws); }
void WindowReplayTarget::setText3(const QString &text) { m_ws.controls().Text3->setText(text); }
void WindowReplayTarget::Command3_Click(int index) { workspace::Command3_Click(m_ws, index); }
void WindowReplayTarget::setText6(const QString &text) { m_ws.controls().Text6->setText(text); }
void WindowReplayTarget::Command8_Click(int index) { workspace::Command8_Click(m_ws, index); }

void WindowReplayTarget::Command13_Click() { m_text.Command13_Click(); }
void WindowReplayTarget::clearPicture1TextLayer() { m_text.clearTextLayer(); }
void WindowReplayTarget::morikotoba_Click() { m_text.morikotoba_Click(); }
void WindowReplayTarget::setText7Text(const QString &text) { m_text.Text7().setText(text); }
void WindowReplayTarget::setText7Left(float left) { m_text.Text7().setLeft(left); }
void WindowReplayTarget::setText7Top(float top) { m_text.Text7().setTop(top); }
void WindowReplayTarget::setText7Font(const QString &fontName) { m_text.Text7().setFontName(fontName); }
void WindowReplayTarget::setText7ForeColor(qint32 color) { m_text.Text7().setForeColorValue(color); }
void WindowReplayTarget::setText7FontName(const QString &fontName) { m_text.Text7().setFontName(fontName); }
void WindowReplayTarget::setText7FontSize(float points) { m_text.Text7().setFontSize(points); }
void WindowReplayTarget::setText7FontBold(bool on) { m_text.Text7().setFontBold(on); }
void WindowReplayTarget::setText7FontItalic(bool on) { m_text.Text7().setFontItalic(on); }
void WindowReplayTarget::setText7FontUnderline(bool on) { m_text.Text7().setFontUnderline(on); }
void WindowReplayTarget::Command11_Click() { m_text.Command11_Click(); }

} // namespace weftara::app
