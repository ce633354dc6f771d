#pragma once

#include <QObject>

namespace weftara::workspace {

enum class Tab; // workspace/workspace.h

// The selected tab of the tab strip. currentChanged fires only when the
// selection really changes; a click on the selected tab is the strip's own
// business.
class TabSelection : public QObject
{
    Q_OBJECT

public:
    explicit TabSelection(Tab tab, QObject *parent = nullptr);

    Tab current() const { return m_tab; }
    void select(Tab tab);

signals:
    void currentChanged(weftara::workspace::Tab tab);

private:
    Tab m_tab;
};

} // namespace weftara::workspace
