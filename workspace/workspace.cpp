#include "workspace/workspace.h"

#include "platform/dialogs.h"

#include <QTabBar>

namespace weftara::workspace {

Workspace::Workspace(const Surfaces &surfaces, const Controls &controls, platform::Dialogs &dialogs,
                     QObject *parent)
    : QObject(parent)
    , m_surfaces(surfaces)
    , m_controls(controls)
    , m_dialogs(dialogs)
{
}

int Workspace::selectedTab() const
{
    return m_controls.TabStrip1->currentIndex() + 1;
}

QString Workspace::selectedCaption() const
{
    return m_controls.TabStrip1->tabText(m_controls.TabStrip1->currentIndex());
}

void Workspace::selectTab(int t)
{
    m_controls.TabStrip1->setCurrentIndex(t - 1);
}

int Workspace::pictureOfTab(int t)
{
    return t >= TabMotoe && t <= TabOrikomi ? t - TabMotoe : -1;
}

int Workspace::surfaceOfTab(int t)
{
    static constexpr std::array<int, 5> SurfaceOfTab{3, 4, 0, 1, 2};
    return t >= 1 && t <= 5 ? SurfaceOfTab[std::size_t(t - 1)] : -1;
}

int Workspace::selectedPicture() const
{
    const QString caption = selectedCaption();
    if (caption == QStringLiteral("元絵"))
        return 0;
    if (caption == QStringLiteral("柄絵"))
        return 1;
    if (caption == QStringLiteral("織込"))
        return 2;
    return -1;
}

void Workspace::message(const QString &text)
{
    m_dialogs.message(text);
}

} // namespace weftara::workspace
