#include "workspace/workspace.h"

#include "platform/surface.h"

#include <QString>

namespace weftara::workspace {

QString tabCaption(Tab tab)
{
    switch (tab) {
    case Tab::BaseCollection:
        return QStringLiteral("元絵集");
    case Tab::PatternCollection:
        return QStringLiteral("柄絵集");
    case Tab::Base:
        return QStringLiteral("元絵");
    case Tab::Pattern:
        return QStringLiteral("柄絵");
    case Tab::Woven:
        return QStringLiteral("織込");
    }
    return {};
}

Controls::Controls()
{
    // The light threshold starts at white, the dark one at black.
    for (const engine::WeavePart part : WeaveParts) {
        const int threshold = part == engine::WeavePart::Light ? 255 : 0;
        thresholdSliders[part].setRange(0, 255);
        thresholdSliders[part].setValue(threshold);
        thresholdBoxes[part].setText(QString::number(threshold));
    }
}

Workspace::Workspace(platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_dialogs(dialogs)
{
    const auto make = [this](const char *name, bool autoSize) {
        auto *surface = new platform::Surface(this);
        surface->setObjectName(QString::fromLatin1(name));
        surface->setAutoSize(autoSize);
        surface->hide();
        return surface;
    };
    const std::array<const char *, 5> tabSurfaces{"basePicture", "patternPicture", "wovenPicture", "baseSheet",
                                                  "patternSheet"};
    for (std::size_t k = 0; k < tabSurfaces.size(); ++k)
        m_surfaces.tabSurfaces[k] = make(tabSurfaces[k], false);
    m_surfaces.patternTile = make("patternTile", false);
    m_surfaces.baseZoomScratch = make("baseZoomScratch", false);
    m_surfaces.wovenZoomScratch = make("wovenZoomScratch", false);
    // The hidden copies always take the size of the picture they hold.
    m_surfaces.copies[Picture::Base] = make("baseCopy", true);
    m_surfaces.copies[Picture::Pattern] = make("patternCopy", true);
    m_surfaces.copies[Picture::Woven] = make("wovenCopy", true);
}

platform::Surface &Workspace::surfaceOfTab(Tab tab)
{
    switch (tab) {
    case Tab::BaseCollection:
        return baseSheet();
    case Tab::PatternCollection:
        return patternSheet();
    case Tab::Base:
    case Tab::Pattern:
    case Tab::Woven:
        break;
    }
    return picture(*pictureOfTab(tab));
}

Tab Workspace::selectedTab() const
{
    return m_controls.tabStrip.current();
}

void Workspace::selectTab(Tab tab)
{
    m_controls.tabStrip.select(tab);
}

std::optional<Picture> Workspace::pictureOfTab(Tab tab)
{
    switch (tab) {
    case Tab::Base:
        return Picture::Base;
    case Tab::Pattern:
        return Picture::Pattern;
    case Tab::Woven:
        return Picture::Woven;
    case Tab::BaseCollection:
    case Tab::PatternCollection:
        break;
    }
    return std::nullopt;
}

Tab Workspace::tabOfPicture(Picture picture)
{
    switch (picture) {
    case Picture::Base:
        return Tab::Base;
    case Picture::Pattern:
        return Tab::Pattern;
    case Picture::Woven:
        break;
    }
    return Tab::Woven;
}

} // namespace weftara::workspace
