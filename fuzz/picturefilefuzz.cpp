// Picture files of random bytes, read as the loaders and the collections
// read them: no crash and no sanitizer report; a picture read is RGB32 and
// within the picture limit, and a failure says why. Files of every format
// go through the same reader (JPEG, PNG, BMP, GIF, WebP, TIFF through Qt,
// HEIC through libheif), recognised by their contents.

#include "fuzzfiles.h"

#include "collections/picturefile.h"
#include "platform/picturememory.h"

#include <QGuiApplication>

using namespace weftara::collections;

namespace {

constexpr qint64 PixelCap = 16'000'000;

void check(const PictureFile &picture, QSize scaled)
{
    if (!picture.ok()) {
        FUZZ_CHECK(picture.image.isNull());
        return;
    }
    FUZZ_CHECK(picture.image.format() == QImage::Format_RGB32);
    FUZZ_CHECK(scaled.isEmpty() ? weftara::platform::pictureFits(picture.image.size())
                                : picture.image.size() == scaled);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    weftara::platform::setPicturePixelCap(PixelCap);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzzFolder() + QStringLiteral("/picture");
    writeFuzzFile(path, bytesOf(data, size));
    check(readPictureFile(path), {});
    check(readPictureScaled(path, {100, 100}), {100, 100});
    return 0;
}
