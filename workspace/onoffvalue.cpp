#include "workspace/onoffvalue.h"

namespace weftara::workspace {

OnOffValue::OnOffValue(bool checked, QObject *parent)
    : QObject(parent)
    , m_checked(checked)
{
}

void OnOffValue::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    emit toggled(m_checked);
}

} // namespace weftara::workspace
