#include "recipes/operationlog.h"

namespace weftara::recipes {

QString OperationLog::line(int i) const
{
    if (i < 0 || i >= count())
        return {};
    return m_lines.at(i);
}

QString OperationLog::last() const
{
    return m_lines.isEmpty() ? QString() : m_lines.constLast();
}

bool OperationLog::append(const QStringList &group)
{
    if (group.size() > MaxLines - count())
        return false;
    m_lines += group;
    return true;
}

bool OperationLog::overwriteLast(const QStringList &group)
{
    const int k = static_cast<int>(group.size());
    if (k > count() - m_kept)
        return false;
    const int first = count() - k;
    for (int i = 0; i < k; ++i)
        m_lines[first + i] = group.at(i);
    return true;
}

} // namespace weftara::recipes
