#pragma once

#include "engine/weaveselect.h"
#include "recipes/operationlog.h"
#include "workspace/enumarray.h"
#include "workspace/onoffvalue.h"
#include "workspace/rangedvalue.h"
#include "workspace/tabselection.h"
#include "workspace/textvalue.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace weftara::platform {
class Dialogs;
class Surface;
} // namespace weftara::platform

namespace weftara::workspace {

class ControlPanel;
class PictureTabs;
class WeaveOptionsPanel;

// The three pictures. Their numbers are written to recipes.
enum class Picture { Base = 0, Pattern = 1, Woven = 2 };
inline constexpr std::array<Picture, 3> Pictures{Picture::Base, Picture::Pattern, Picture::Woven};
template <class T>
using PerPicture = EnumArray<Picture, T, 3>;

// What the hidden copy of a picture holds for the picture now shown. The
// numbers are written to recipes.
enum class CopyState : std::int16_t {
    Loaded = 0,   // nothing to start from (just loaded, or changed since the
                  // copy was taken): the next tone or zoom takes a fresh copy
    Unzoomed = 1, // the unzoomed picture: just woven, or the base just zoomed
    Zoomed = 2,   // the woven picture's unzoomed copy, the woven picture zoomed
    Untoned = 3,  // the picture before its tone
};

// The five tabs of the tab strip, counted from 1.
enum class Tab { BaseCollection = 1, PatternCollection = 2, Base = 3, Pattern = 4, Woven = 5 };
inline constexpr std::array<Tab, 5> Tabs{Tab::BaseCollection, Tab::PatternCollection, Tab::Base, Tab::Pattern,
                                         Tab::Woven};
template <class T>
using PerTab = EnumArray<Tab, T, 5, Tab::BaseCollection>;

// The captions of the tabs: "元絵集", "柄絵集", "元絵", "柄絵", "織込".
QString tabCaption(Tab tab);

// The control panel's effect and apply buttons.
enum class EffectButton { Gray = 0, Solarize = 1, FadeTop = 2, FadeLeft = 3, Emphasize = 4, FadeRight = 6,
                          Zoom = 7, Tone = 8, Weave = 10 };
inline constexpr std::array<EffectButton, 9> EffectButtons{
    EffectButton::Gray,      EffectButton::Solarize, EffectButton::FadeTop, EffectButton::FadeLeft,
    EffectButton::Emphasize, EffectButton::FadeRight, EffectButton::Zoom,  EffectButton::Tone,
    EffectButton::Weave};

// The light and dark parts of the base, as the weave options pick them.
inline constexpr std::array<engine::WeavePart, 2> WeaveParts{engine::WeavePart::Light, engine::WeavePart::Dark};
template <class T>
using PerWeavePart = EnumArray<engine::WeavePart, T, 2>;

// The picture surfaces, made and owned by the workspace. The window shows
// the tab surfaces through views of its own; the others are never shown.
struct Surfaces
{
    // What the tabs show: the three pictures (indexed by Picture), then the
    // base and the pattern collection's sheet.
    std::array<platform::Surface *, 5> tabSurfaces{};
    platform::Surface *patternTile = nullptr; // the pattern as loaded, before tiling
    platform::Surface *baseZoomScratch = nullptr;
    platform::Surface *wovenZoomScratch = nullptr;
    // One hidden copy for each picture; the copy state says what it holds.
    PerPicture<platform::Surface *> copies;
};

struct Flags
{
    bool baseLoaded = false;
    bool patternLoaded = false; // and it fits the base
    bool wovenUpToDate = false;
    bool replaying = false;     // a recipe is being replayed
    bool pageComposed = false;  // the woven picture holds a print page composed for text
    PerPicture<CopyState> copyState{CopyState::Loaded};

    // The picture changed without going through its hidden copy (an effect,
    // a colour step, a flip, drawn text): the copy no longer describes it.
    void copyOutdated(Picture picture) { copyState[picture] = CopyState::Loaded; }
};

// The zoom and tone sliders' values for each tab.
struct SliderMemory
{
    static constexpr std::int16_t InitialZoom = 100;
    static constexpr std::int16_t InitialTone = 0;

    PerTab<std::int16_t> zoomValues{InitialZoom};
    PerTab<QString> zoomTexts{QStringLiteral("100")};
    PerTab<std::int16_t> toneValues{InitialTone};
    PerTab<QString> toneTexts{QStringLiteral("0")};
    // The tab whose values the sliders show; none before the first tab change.
    std::optional<Tab> sliderTab;
};

// The values of the controls, which the handlers read and set and whose
// changes run the reactions, and the panels that show them (none when the
// workspace runs without a window). The panels' widgets are views of the
// values.
struct Controls
{
    Controls();

    RangedValue weaveRatioSlider{1, 100, 50};
    RangedValue toneSlider{-100, 100, 0};
    RangedValue zoomSlider{1, 500, 100};
    RangedValue colorStepSlider{0, 255, 20};
    TextValue weaveRatioBox{QStringLiteral("50")};
    TextValue toneBox{QStringLiteral("0")};
    TextValue zoomBox{QStringLiteral("100")};
    TextValue colorStepBox{QStringLiteral("20")};
    PerWeavePart<RangedValue> thresholdSliders;
    PerWeavePart<TextValue> thresholdBoxes;
    PerWeavePart<OnOffValue> weaveOptionCheckBoxes;
    TabSelection tabStrip{Tab::BaseCollection};
    ControlPanel *controlPanel = nullptr;
    WeaveOptionsPanel *weaveOptionsPanel = nullptr;
    PictureTabs *pictureTabs = nullptr;
};

// The weave workspace's state: the surfaces, flags, copy states, per-tab
// slider memory, the operation log, the controls and the dialogs. Handlers
// take a Workspace& and nothing else of the window.
class Workspace : public QObject
{
    Q_OBJECT

public:
    // Makes the surfaces, all hidden and empty.
    explicit Workspace(platform::Dialogs &dialogs, QObject *parent = nullptr);

    Flags &flags() { return m_flags; }
    const Flags &flags() const { return m_flags; }
    SliderMemory &sliderMemory() { return m_sliderMemory; }
    recipes::OperationLog &log() { return m_log; }
    const recipes::OperationLog &log() const { return m_log; }
    Controls &controls() { return m_controls; }
    const Controls &controls() const { return m_controls; }
    platform::Dialogs &dialogs() { return m_dialogs; }

    platform::Surface &picture(Picture picture) { return *m_surfaces.tabSurfaces[std::size_t(picture)]; }
    platform::Surface &baseSheet() { return *m_surfaces.tabSurfaces[3]; }
    platform::Surface &patternSheet() { return *m_surfaces.tabSurfaces[4]; }
    platform::Surface &patternTile() { return *m_surfaces.patternTile; }
    platform::Surface &baseZoomScratch() { return *m_surfaces.baseZoomScratch; }
    platform::Surface &wovenZoomScratch() { return *m_surfaces.wovenZoomScratch; }
    platform::Surface &copy(Picture picture) { return *m_surfaces.copies[picture]; }
    // The woven picture's unzoomed copy, which every weave rewrites. It is
    // the surface of the pattern's copy: a weave leaves the pattern without
    // an untoned copy.
    platform::Surface &unzoomedWoven() { return copy(Picture::Pattern); }
    // The surface a tab shows.
    platform::Surface &surfaceOfTab(Tab tab);

    Tab selectedTab() const;
    // Selects the tab; the tab change runs when the selection changes.
    void selectTab(Tab tab);

    // The picture a picture tab shows; none for the collection tabs.
    static std::optional<Picture> pictureOfTab(Tab tab);
    static Tab tabOfPicture(Picture picture);
    // The picture the selected tab shows.
    std::optional<Picture> selectedPicture() const { return pictureOfTab(selectedTab()); }

signals:
    // The tab has been selected; its tab change starts (the start-up guide
    // goes away here).
    void tabChangeStarted(weftara::workspace::Tab tab);
    // A collection tab was selected and its sheet fitted to the view;
    // filling the collection is the collections' business.
    void collectionTabSelected(weftara::workspace::Tab tab);

private:
    Surfaces m_surfaces;
    Controls m_controls;
    platform::Dialogs &m_dialogs;
    Flags m_flags;
    SliderMemory m_sliderMemory;
    recipes::OperationLog m_log;
};

} // namespace weftara::workspace
