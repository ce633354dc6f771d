#pragma once

#include <QObject>

// The panels, sliders, check boxes and tab strip: their settings, layout,
// the tone's re-entry guard and the per-tab slider memory.
class ControlsTest : public QObject
{
    Q_OBJECT

private slots:
    void controlPanelCaptions();
    void sliderSettings_data();
    void sliderSettings();
    void nothingClipped_data();
    void nothingClipped();
    void dragActsOnce();
    void valuesReportOnlyChanges();
    void widgetsShowValues();
    void handlersRunWithoutWidgets();
    void weaveOptionsPanel();
    void toneChangeDuringToneIsIgnored();
    void sliderMemoryPerTab();
    void wovenTabWithoutBase();
    void collectionTabs();
    void largePictureScrolls();
    void tabStripTwips_data();
    void tabStripTwips();
};
