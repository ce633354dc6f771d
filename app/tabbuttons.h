#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace weftara::app {

inline constexpr int TabCount = 5;

// Caption of tab `tab` (1 … 5): "元絵集", "柄絵集", "元絵", "柄絵", "織込";
// empty text for any other number.
QString tabCaption(int tab);

// Size of a tab button picture in pixels.
inline constexpr QSize TabButtonSize{60, 18};

// The picture of tab button `index` (0 … 4, for tab index + 1): the
// selected look (`Picture4`) or the normal look (`Picture5`). Format_RGB32.
QImage tabButtonImage(int index, bool selected);

} // namespace weftara::app
