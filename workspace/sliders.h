#pragma once

#include "workspace/workspace.h"

#include <QObject>

namespace weftara::workspace {

// The reactions of the sliders, the weave option check boxes and the weave
// options panel. Each slider reaction runs once per completed change.
class Sliders : public QObject
{
    Q_OBJECT

public:
    explicit Sliders(Workspace &ws, QObject *parent = nullptr);

    // Writes the weave ratio box and weaves again when both pictures are loaded.
    void onWeaveRatioChanged();
    // Tones the selected tab's picture, always from its untoned copy.
    void onToneChanged();
    // Writes the zoom box and zooms the base or the woven picture.
    void onZoomChanged();
    // Writes the colour step box (no leading blank).
    void onColorStepChanged();
    // Writes the threshold box and weaves when a weave option is ticked.
    void onThresholdChanged(engine::WeavePart part);
    // The two weave options exclude each other.
    void onWeaveOptionClicked(engine::WeavePart part);
    // "×" of the weave options panel: hides it and clears both options.
    void closeWeaveOptions();
    // Menu "織り込み処理": places, fills and shows the weave options panel.
    void openWeaveOptions();

private:
    Workspace &m_ws;
    // A tone change is running: tone slider changes that arrive meanwhile
    // are ignored.
    bool m_toneBusy = false;
};

} // namespace weftara::workspace
