#include "workspace/rangedvalue.h"

#include <algorithm>

namespace weftara::workspace {

RangedValue::RangedValue(int minimum, int maximum, int value, QObject *parent)
    : QObject(parent)
    , m_minimum(minimum)
    , m_maximum(std::max(minimum, maximum))
    , m_value(std::clamp(value, m_minimum, m_maximum))
{
}

bool RangedValue::store(int value)
{
    value = std::clamp(value, m_minimum, m_maximum);
    if (value == m_value)
        return false;
    m_value = value;
    emit valueSet(m_value);
    return true;
}

void RangedValue::setValue(int value)
{
    if (store(value))
        emit valueChanged(m_value);
}

void RangedValue::setValueQuietly(int value)
{
    store(value);
}

void RangedValue::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    setValue(m_value);
}

} // namespace weftara::workspace
