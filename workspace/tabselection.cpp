#include "workspace/tabselection.h"

#include "workspace/workspace.h"

namespace weftara::workspace {

TabSelection::TabSelection(Tab tab, QObject *parent)
    : QObject(parent)
    , m_tab(tab)
{
}

void TabSelection::select(Tab tab)
{
    if (tab == m_tab)
        return;
    m_tab = tab;
    emit currentChanged(m_tab);
}

} // namespace weftara::workspace
