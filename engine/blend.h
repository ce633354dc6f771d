#pragma once

#include <QImage>
#include <QtGlobal>

namespace weftara::engine {

// The three weaves read the base and the pattern as raw bytes and write the
// woven picture into dst. Only the base is measured (height × bytes per
// line); the pattern supplies as many of those bytes as it holds (missing
// ones read as 0, black) and dst takes as many as fit. Positions are paired
// byte for byte: the pattern is neither tiled nor scaled here.
//
// Each returns true when dst was written (the caller redraws it) and false
// when nothing was written: the ratio ratio lies outside 0..100, the base
// cannot be read, or the pattern or dst is a non-null image that is not
// RGB32. A null pattern reads as black; a null dst takes no bytes. dst may be
// the same image as base or pattern.

// Every byte, the unused fourth byte of each pixel included, becomes
// floor((1 - r) × pattern + base × r) with r = ratio / 100.
bool blendPictures(const QImage &base, const QImage &pattern, QImage &dst, qint16 ratio);

// Where the base pixel's blue, green and red are each >= threshold the whole
// pattern pixel (all four bytes) replaces it; elsewhere the base pixel stays.
// ratio only gates the weave.
bool weaveIntoLight(const QImage &base, const QImage &pattern, QImage &dst, qint16 ratio,
                   qint16 threshold);

// As weaveIntoLight for base pixels whose three colour bytes are each <= threshold.
bool weaveIntoDark(const QImage &base, const QImage &pattern, QImage &dst, qint16 ratio,
                   qint16 threshold);

} // namespace weftara::engine
