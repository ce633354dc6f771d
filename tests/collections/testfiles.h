#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

namespace weftara::testing {

// Writes raw bytes; fails the calling test (QVERIFY) on error.
bool writeBytes(const QString &path, const QByteArray &bytes);
QByteArray readBytes(const QString &path);

// Writes a picture of one colour in `format` ("heic" too), by default the
// one the suffix names.
bool writeSolidPicture(const QString &path, QSize size, const QColor &colour, QByteArray format = {});

// Distinct, easily told apart colours for picture number `index`.
QColor distinctColour(int index);

// True when the two colours differ by at most `tolerance` per channel.
bool nearColour(QRgb actual, const QColor &expected, int tolerance);

} // namespace weftara::testing
