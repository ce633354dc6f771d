#pragma once

#include "recipes/replaytarget.h"

#include <QString>
#include <QStringList>

namespace weftara::recipes::testing {

// Records every call replay makes, one text per call ("selectTab(5)",
// "setHScroll7(0,255)"), and notes any index outside what the window's
// control arrays hold.
class RecordingTarget : public ReplayTarget
{
public:
    QStringList calls;
    QStringList badIndices;

    void clearLog() override { record(QStringLiteral("clearLog()")); }
    void setText11(const QString &text) override { record(QStringLiteral("setText11(%1)").arg(text)); }

    void MotoeLoad(const QString &path) override { record(QStringLiteral("MotoeLoad(%1)").arg(path)); }
    void GaraeLoad(const QString &path) override { record(QStringLiteral("GaraeLoad(%1)").arg(path)); }
    void hidePicture1(int index) override
    {
        check(index, 0, 4, "hidePicture1");
        record(QStringLiteral("hidePicture1(%1)").arg(index));
    }
    void setMotoeSentakuFlg(bool value) override { record(flag("setMotoeSentakuFlg", value)); }
    void setGaraeSentakuFlg(bool value) override { record(flag("setGaraeSentakuFlg", value)); }
    void setOrikomiFlg(bool value) override { record(flag("setOrikomiFlg", value)); }
    void selectTab(int tab) override
    {
        check(tab, 1, 5, "selectTab");
        record(QStringLiteral("selectTab(%1)").arg(tab));
    }

    void setCheck1(int index, bool ticked) override
    {
        check(index, 0, 1, "setCheck1");
        record(QStringLiteral("setCheck1(%1,%2)").arg(index).arg(ticked ? 1 : 0));
    }
    void setHScroll7(int index, qint16 value) override
    {
        check(index, 0, 1, "setHScroll7");
        record(QStringLiteral("setHScroll7(%1,%2)").arg(index).arg(value));
    }
    void setText2(const QString &text) override { record(QStringLiteral("setText2(%1)").arg(text)); }
    void getCommand() override { record(QStringLiteral("getCommand()")); }
    void setFlgState(int index, qint16 value) override
    {
        check(index, 0, 2, "setFlgState");
        record(QStringLiteral("setFlgState(%1,%2)").arg(index).arg(value));
    }
    void setHScroll3(qint16 value) override { record(QStringLiteral("setHScroll3(%1)").arg(value)); }
    void setHScroll2(qint16 value) override { record(QStringLiteral("setHScroll2(%1)").arg(value)); }

    void setText4(const QString &text) override { record(QStringLiteral("setText4(%1)").arg(text)); }
    void MotoeZoom() override { record(QStringLiteral("MotoeZoom()")); }

    void setText3(const QString &text) override { record(QStringLiteral("setText3(%1)").arg(text)); }
    void Command3_Click(int index) override
    {
        check(index, 0, 10, "Command3_Click");
        record(QStringLiteral("Command3_Click(%1)").arg(index));
    }
    void setText6(const QString &text) override { record(QStringLiteral("setText6(%1)").arg(text)); }
    void Command8_Click(int index) override
    {
        check(index, 0, 5, "Command8_Click");
        record(QStringLiteral("Command8_Click(%1)").arg(index));
    }

    void Command13_Click() override { record(QStringLiteral("Command13_Click()")); }
    void clearPicture1TextLayer() override { record(QStringLiteral("clearPicture1TextLayer()")); }
    void morikotoba_Click() override { record(QStringLiteral("morikotoba_Click()")); }
    void setText7Text(const QString &text) override { record(QStringLiteral("setText7Text(%1)").arg(text)); }
    void setText7Left(float left) override { record(single("setText7Left", left)); }
    void setText7Top(float top) override { record(single("setText7Top", top)); }
    void setText7Font(const QString &name) override { record(QStringLiteral("setText7Font(%1)").arg(name)); }
    void setText7ForeColor(qint32 color) override { record(QStringLiteral("setText7ForeColor(%1)").arg(color)); }
    void setText7FontName(const QString &name) override { record(QStringLiteral("setText7FontName(%1)").arg(name)); }
    void setText7FontSize(float points) override { record(single("setText7FontSize", points)); }
    void setText7FontBold(bool on) override { record(flag("setText7FontBold", on)); }
    void setText7FontItalic(bool on) override { record(flag("setText7FontItalic", on)); }
    void setText7FontUnderline(bool on) override { record(flag("setText7FontUnderline", on)); }
    void Command11_Click() override { record(QStringLiteral("Command11_Click()")); }

private:
    void record(const QString &call) { calls.append(call); }
    static QString flag(const char *name, bool value)
    {
        return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(value ? 1 : 0);
    }
    static QString single(const char *name, float value)
    {
        return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(static_cast<double>(value), 0, 'g', 9);
    }
    void check(int index, int low, int high, const char *name)
    {
        if (index < low || index > high)
            badIndices.append(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
    }
};

} // namespace weftara::recipes::testing
