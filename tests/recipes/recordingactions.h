#pragma once

#include "recipes/replayactions.h"

#include <QString>
#include <QStringList>

namespace weftara::recipes::testing {

// Records every call replay makes, one text per call ("selectTab(5)",
// "setThresholdSlider(0,255)", enums by their numbers), and notes any value
// outside what the window's controls take.
class RecordingActions : public ReplayActions
{
public:
    QStringList calls;
    QStringList badIndices;

    void clearLog() override { record(QStringLiteral("clearLog()")); }
    void setDescriptionBox(const QString &text) override { record(call("setDescriptionBox", text)); }

    void loadBase(const QString &path) override { record(call("loadBase", path)); }
    void loadPattern(const QString &path) override { record(call("loadPattern", path)); }
    void hidePicture(workspace::Picture picture) override { record(number("hidePicture", picture, 0, 2)); }
    void setBaseLoaded(bool loaded) override { record(flag("setBaseLoaded", loaded)); }
    void setPatternLoaded(bool loaded) override { record(flag("setPatternLoaded", loaded)); }
    void setWovenUpToDate(bool upToDate) override { record(flag("setWovenUpToDate", upToDate)); }
    void selectTab(workspace::Tab tab) override { record(number("selectTab", tab, 1, 5)); }

    void setWeaveOptionChecked(engine::WeavePart part, bool ticked) override
    {
        record(number("setWeaveOptionChecked", part, 0, 1).chopped(1) + QStringLiteral(",%1)").arg(ticked ? 1 : 0));
    }
    void setThresholdBox(engine::WeavePart part, const QString &text) override
    {
        record(number("setThresholdBox", part, 0, 1).chopped(1) + QStringLiteral(",%1)").arg(text));
    }
    void setWeaveRatioBox(const QString &text) override { record(call("setWeaveRatioBox", text)); }
    void weave() override { record(QStringLiteral("weave()")); }
    void setZoomSlider(qint16 value) override { record(call("setZoomSlider", QString::number(value))); }
    void setToneSlider(qint16 value) override { record(call("setToneSlider", QString::number(value))); }
    void resetWeaveOptions() override { record(QStringLiteral("resetWeaveOptions()")); }

    void setZoomBox(const QString &text) override { record(call("setZoomBox", text)); }
    void applyZoom() override { record(QStringLiteral("applyZoom()")); }
    void setToneBox(const QString &text) override { record(call("setToneBox", text)); }
    void applyTone() override { record(QStringLiteral("applyTone()")); }

    void runEffect(workspace::EffectButton button) override { record(number("runEffect", button, 0, 10)); }
    void setColorStepBox(const QString &text) override { record(call("setColorStepBox", text)); }
    void runChannelStep(engine::ChannelStep channel) override { record(number("runChannelStep", channel, 0, 5)); }

    void fixText() override { record(QStringLiteral("fixText()")); }
    void eraseText() override { record(QStringLiteral("eraseText()")); }
    void toggleTextMode() override { record(QStringLiteral("toggleTextMode()")); }
    void setTextBoxText(const QString &text) override { record(call("setTextBoxText", text)); }
    void setTextBoxLeft(float left) override { record(single("setTextBoxLeft", left)); }
    void setTextBoxTop(float top) override { record(single("setTextBoxTop", top)); }
    void setTextBoxFont(const QString &name) override { record(call("setTextBoxFont", name)); }
    void setTextBoxColor(qint32 color) override { record(call("setTextBoxColor", QString::number(color))); }
    void setTextBoxFontName(const QString &name) override { record(call("setTextBoxFontName", name)); }
    void setTextBoxFontSize(float points) override { record(single("setTextBoxFontSize", points)); }
    void setTextBoxBold(bool on) override { record(flag("setTextBoxBold", on)); }
    void setTextBoxItalic(bool on) override { record(flag("setTextBoxItalic", on)); }
    void setTextBoxUnderline(bool on) override { record(flag("setTextBoxUnderline", on)); }
    void drawText() override { record(QStringLiteral("drawText()")); }

private:
    void record(const QString &text) { calls.append(text); }
    static QString call(const char *name, const QString &argument)
    {
        return QStringLiteral("%1(%2)").arg(QLatin1String(name), argument);
    }
    static QString flag(const char *name, bool value) { return call(name, QString::number(value ? 1 : 0)); }
    static QString single(const char *name, float value)
    {
        return call(name, QString::number(static_cast<double>(value), 'g', 9));
    }
    // An enum by its number; notes a number outside low..high.
    template <class Enum>
    QString number(const char *name, Enum value, int low, int high)
    {
        const int n = int(value);
        if (n < low || n > high)
            badIndices.append(call(name, QString::number(n)));
        return call(name, QString::number(n));
    }
};

} // namespace weftara::recipes::testing
