#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

namespace weftara::platform {

// How large a picture the program makes. Loads, zooms, weaves, tone changes
// and text ask here before they make a picture, so that a step the machine
// cannot hold is refused with a message instead of the program being killed
// for want of memory, or a picture coming out blank.

// The most pixels a picture may have on any machine.
inline constexpr qint64 MaxPicturePixels = 400'000'000;

// The most pixels a picture may have with `availableBytes` of free memory
// (negative: not known): MaxPicturePixels, or fewer so that the few copies
// the program keeps of a picture while it works on it still fit.
qint64 picturePixelLimit(qint64 availableBytes);

// True when a picture of `size` may be made now: no side longer than a
// window can be, and no more pixels than the limit for the memory free now.
// An empty size makes no picture and always fits.
bool pictureFits(QSize size);

// The one message for a picture that is refused or could not be made.
QString pictureTooLargeMessage(QSize size);

// Lowers the limit for the whole process below MaxPicturePixels, for runs
// that must stay within a small memory (tests, fuzzing); 0 lifts it again.
void setPicturePixelCap(qint64 pixels);

} // namespace weftara::platform
