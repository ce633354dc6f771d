#pragma once

#include "recipes/replaytarget.h"

#include <functional>

class QPlainTextEdit;

namespace weftara::workspace {
class Workspace;
} // namespace weftara::workspace

namespace weftara::collections {
class PictureLoading;
} // namespace weftara::collections

namespace weftara::textweave {
class TextWeaver;
} // namespace weftara::textweave

namespace weftara::app {

// What recipe replay drives, bound to the window's real procedures and
// controls. Every setter goes through the control itself, so its own
// reaction runs exactly when the value changes, as a user's change would.
class WindowReplayTarget final : public recipes::ReplayTarget
{
public:
    WindowReplayTarget(workspace::Workspace &ws, collections::PictureLoading &loading,
                       textweave::TextWeaver &text, QPlainTextEdit &Text11);

    void clearLog() override;
    void setText11(const QString &description) override;
    void MotoeLoad(const QString &path) override;
    void GaraeLoad(const QString &path) override;
    void hidePicture1(int index) override;
    void setMotoeSentakuFlg(bool value) override;
    void setGaraeSentakuFlg(bool value) override;
    void setOrikomiFlg(bool value) override;
    void selectTab(int tab) override;
    void setCheck1(int index, bool ticked) override;
    void setHScroll7(int index, qint16 value) override;
    void setText2(const QString &text) override;
    void getCommand() override;
    void setFlgState(int index, qint16 value) override;
    void setHScroll3(qint16 value) override;
    void setHScroll2(qint16 value) override;
    void setText4(const QString &text) override;
    void MotoeZoom() override;
    void setText3(const QString &text) override;
    void Command3_Click(int index) override;
    void setText6(const QString &text) override;
    void Command8_Click(int index) override;
    void Command13_Click() override;
    void clearPicture1TextLayer() override;
    void morikotoba_Click() override;
    void setText7Text(const QString &text) override;
    void setText7Left(float left) override;
    void setText7Top(float top) override;
    void setText7Font(const QString &fontName) override;
    void setText7ForeColor(qint32 color) override;
    void setText7FontName(const QString &fontName) override;
    void setText7FontSize(float points) override;
    void setText7FontBold(bool on) override;
    void setText7FontItalic(bool on) override;
    void setText7FontUnderline(bool on) override;
    void Command11_Click() override;

private:
    workspace::Workspace &m_ws;
    collections::PictureLoading &m_loading;
    textweave::TextWeaver &m_text;
    QPlainTextEdit &m_text11;
};

} // namespace weftara::app
