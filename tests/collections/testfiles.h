#pragma once

#include "support/filebytes.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace weftara::testing {

// Writes a picture of one colour in `format` ("heic" too), by default the
// one the suffix names.
bool writeSolidPicture(const QString &path, QSize size, const QColor &colour, QByteArray format = {});

// Distinct, easily told apart colours for picture number `index`.
QColor distinctColour(int index);

// True when the two colours differ by at most `tolerance` per channel.
bool nearColour(QRgb actual, const QColor &expected, int tolerance);

} // namespace weftara::testing
