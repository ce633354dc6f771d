#include "workspace/workspace.h"

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

Workspace::Workspace(const Surfaces &surfaces, platform::Dialogs &dialogs, QObject *parent)
    : QObject(parent)
    , m_surfaces(surfaces)
    , m_dialogs(dialogs)
{
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
