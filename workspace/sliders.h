#pragma once

#include <QObject>

namespace weftara::workspace {

class Workspace;

// The reactions of the sliders, the weave option check boxes and the weave
// options panel. Each slider reaction runs once per completed change.
class Sliders : public QObject
{
    Q_OBJECT

public:
    explicit Sliders(Workspace &ws, QObject *parent = nullptr);

    // Weave ratio: writes Text2 and re-weaves when both pictures are loaded.
    void HScroll1_Change();
    // Tone of the selected tab's picture, always from its untoned copy.
    void HScroll2_Change();
    // Zoom: writes Text4 and zooms the base or the woven picture.
    void HScroll3_Change();
    // Colour step: writes Text6 (no leading blank).
    void HScroll4_Change();
    // Thresholds: write Text12(index) and weave when a weave option is ticked.
    void HScroll7_Change(int index);
    // The two weave options exclude each other.
    void Check1_Click(int index);
    // "×" of the weave options panel: hides it and clears both options.
    void Command21_Click();
    // Menu "織り込み処理": places, fills and shows the weave options panel.
    void morikomi_Click();

    // True while a tone change runs; tone slider changes then are ignored.
    bool toneBusy() const { return m_toneBusy; }

private:
    Workspace &m_ws;
    bool m_toneBusy = false;
};

} // namespace weftara::workspace
