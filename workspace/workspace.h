#pragma once

#include "recipes/operationlog.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QScrollBar;
class QTabBar;
class QWidget;

namespace weftara::platform {
class Dialogs;
class Surface;
} // namespace weftara::platform

namespace weftara::workspace {

class PictureTabs;

// The picture surfaces. Picture1(0) base, (1) pattern, (2) woven, (3) and
// (4) the collection sheets; Picture2(0) the pattern as loaded, (1) and (2)
// zoom scratch; Picture3(0..2) the hidden copies (as loaded, unzoomed or
// untoned, as FlgState says).
struct Surfaces
{
    std::array<platform::Surface *, 5> Picture1{};
    std::array<platform::Surface *, 3> Picture2{};
    std::array<platform::Surface *, 3> Picture3{};
};

struct Flags
{
    bool MotoeSentakuFlg = false; // a base picture is loaded
    bool GaraeSentakuFlg = false; // a pattern picture is loaded and fits the base
    bool OrikomiFlg = false;      // the woven picture is up to date
    bool ScrollSetFlg = false;    // the program is setting slider values
    bool PrintMojiFlg = false;    // text has been entered on the print picture
    bool LogSaiseiFlg = false;    // a recipe is being replayed
    // What Picture3(k) holds for picture k: 0 just loaded, 1 just woven (or
    // base just zoomed), 2 woven picture zoomed, 3 untoned copy.
    std::array<std::int16_t, 3> FlgState{};
};

// The zoom and tone sliders' values per tab (index = tab number - 1).
struct SliderMemory
{
    static constexpr std::int16_t InitialZoom = 100;
    static constexpr std::int16_t InitialTone = 0;

    std::array<std::int16_t, 5> ZoomValue{100, 100, 100, 100, 100};
    std::array<QString, 5> ZoomText{"100", "100", "100", "100", "100"};
    std::array<std::int16_t, 5> NoutanValue{};
    std::array<QString, 5> NoutanText{"0", "0", "0", "0", "0"};
    int TabSliderNo = 0; // tab whose values the sliders show; 0 before the first change

    void reset() { *this = SliderMemory{}; }
};

// The controls the handlers read and set (owned by their panels).
struct Controls
{
    QScrollBar *HScroll1 = nullptr; // weave ratio
    QScrollBar *HScroll2 = nullptr; // tone
    QScrollBar *HScroll3 = nullptr; // zoom
    QScrollBar *HScroll4 = nullptr; // colour step
    QLineEdit *Text2 = nullptr;
    QLineEdit *Text3 = nullptr;
    QLineEdit *Text4 = nullptr;
    QLineEdit *Text6 = nullptr;
    std::array<QScrollBar *, 2> HScroll7{}; // white / black threshold
    std::array<QLineEdit *, 2> Text12{};
    std::array<QCheckBox *, 2> Check1{};
    QPlainTextEdit *Text13 = nullptr;
    QTabBar *TabStrip1 = nullptr;
    QWidget *Frame1 = nullptr;
    QWidget *FrmOrikomi = nullptr;
    PictureTabs *pictureTabs = nullptr;
};

// Tab numbers of TabStrip1, 1-based as the program counts them.
enum Tab : int {
    TabMotoeShu = 1, // 元絵集
    TabGaraeShu = 2, // 柄絵集
    TabMotoe = 3,    // 元絵
    TabGarae = 4,    // 柄絵
    TabOrikomi = 5,  // 織込
};

// The weave workspace's state: the surfaces, flags, FlgState, per-tab slider
// memory, the operation log LstLog, the controls and the dialogs. Handlers
// take a Workspace& and nothing else of the window.
class Workspace : public QObject
{
    Q_OBJECT

public:
    Workspace(const Surfaces &surfaces, const Controls &controls, platform::Dialogs &dialogs,
              QObject *parent = nullptr);

    Surfaces &surfaces() { return m_surfaces; }
    Flags &flags() { return m_flags; }
    const Flags &flags() const { return m_flags; }
    SliderMemory &sliderMemory() { return m_sliderMemory; }
    recipes::OperationLog &LstLog() { return m_log; }
    const recipes::OperationLog &LstLog() const { return m_log; }
    const Controls &controls() const { return m_controls; }
    platform::Dialogs &dialogs() { return m_dialogs; }

    platform::Surface &Picture1(int k) { return *m_surfaces.Picture1.at(std::size_t(k)); }
    platform::Surface &Picture2(int k) { return *m_surfaces.Picture2.at(std::size_t(k)); }
    platform::Surface &Picture3(int k) { return *m_surfaces.Picture3.at(std::size_t(k)); }

    // The selected tab's number (1..5) and caption.
    int selectedTab() const;
    QString selectedCaption() const;
    // Selects tab t (1..5); the tab change runs when the selection changes.
    void selectTab(int t);

    // The picture index (0 base, 1 pattern, 2 woven) a picture tab shows;
    // -1 for the collection tabs.
    static int pictureOfTab(int t);
    // The Picture1 index a tab shows: tabs 1..5 show 3, 4, 0, 1, 2.
    static int surfaceOfTab(int t);
    // The picture the selected tab's caption names: "元絵" 0, "柄絵" 1,
    // "織込" 2; -1 for any other caption.
    int selectedPicture() const;

    // Shows a message box with an OK button.
    void message(const QString &text);

signals:
    // Tab t has been selected; its tab change starts (the start-up hint
    // goes away here).
    void tabChangeStarted(int tab);
    // A collection tab (1 or 2) was selected and its sheet fitted to the
    // view; filling the collection is the collections' business.
    void collectionTabSelected(int tab);

private:
    Surfaces m_surfaces;
    Controls m_controls;
    platform::Dialogs &m_dialogs;
    Flags m_flags;
    SliderMemory m_sliderMemory;
    recipes::OperationLog m_log;
};

} // namespace weftara::workspace
