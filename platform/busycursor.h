#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace weftara::platform {

// Shows the arrow-and-hourglass pointer for as long as the guard lives.
// Guards nest: the pointer returns to normal when the outermost one ends.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }

    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
    BusyCursor(BusyCursor &&) = delete;
    BusyCursor &operator=(BusyCursor &&) = delete;
};

} // namespace weftara::platform
