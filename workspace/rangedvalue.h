#pragma once

#include <QObject>

namespace weftara::workspace {

// A whole number kept within a range, as a scroll bar keeps it: a value set
// outside the range is clamped to it. valueChanged runs the reactions and
// fires only when the value really changes; valueSet fires for every change,
// quiet ones too, so that the views show it.
class RangedValue : public QObject
{
    Q_OBJECT

public:
    RangedValue() = default;
    explicit RangedValue(int minimum, int maximum, int value, QObject *parent = nullptr);

    int value() const { return m_value; }
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    void setValue(int value);
    // Shows the value without running its reactions.
    void setValueQuietly(int value);
    // A value outside the new range moves to its nearer end, and that is a
    // change like any other.
    void setRange(int minimum, int maximum);

signals:
    void valueSet(int value);
    void valueChanged(int value);

private:
    bool store(int value);

    int m_minimum = 0;
    int m_maximum = 99;
    int m_value = 0;
};

} // namespace weftara::workspace
