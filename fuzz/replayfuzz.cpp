// Random recipe blocks replayed by the real main window, offscreen: no crash,
// no sanitizer report, and no picture larger than the picture limit. The
// input is the block's lines; it is stored as the one recipe of the recipe
// file and replayed by selecting it, as a click on its name does. The
// program folder holds small pictures under the names the seeds use, which
// the loaders find through their fallback folders.

#include "fuzzfiles.h"
#include "quietdialogs.h"

#include "app/mainwindow.h"
#include "platform/picturememory.h"
#include "platform/programfolder.h"
#include "platform/surface.h"
#include "recipes/recipebook.h"
#include "recipes/recipepanel.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QListWidget>

namespace {

// Small enough that every picture the fuzzer makes stays quick to work on.
constexpr qint64 PixelCap = 4'000'000;

QImage gradient(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7 + seed) & 0xFF, (y * 11 + seed * 3) & 0xFF, ((x ^ y) * 5) & 0xFF));
    return image;
}

void makeProgramFolder(const QString &folder)
{
    QDir(folder).mkpath(QStringLiteral("Motoe"));
    QDir(folder).mkpath(QStringLiteral("Garae"));
    gradient(48, 32, 1).save(folder + QStringLiteral("/Motoe/base.bmp"), "BMP");
    gradient(64, 40, 2).save(folder + QStringLiteral("/Motoe/photo.jpg"), "JPEG");
    gradient(16, 12, 3).save(folder + QStringLiteral("/Garae/stripes.bmp"), "BMP");
    gradient(20, 20, 4).save(folder + QStringLiteral("/Garae/dots.png"), "PNG");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    makeProgramFolder(fuzzFolder());
    weftara::platform::setPicturePixelCap(PixelCap);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QuietDialogs dialogs;
    const QString folder = fuzzFolder();
    writeFuzzFile(folder + QStringLiteral("/kotoba.txt"),
                  "詞初めfuzz\r\n" + bytesOf(data, size) + "\r\n詞終わり\r\n");

    {
        weftara::app::MainWindow window(weftara::platform::ProgramFolder(folder), &dialogs);
        window.recipeBook().openPanel();
        QListWidget *names = window.recipePanel().nameList();
        if (names->count() > 0) {
            names->setCurrentRow(0);
            window.recipeBook().selectRecipe();
        }
        for (const weftara::platform::Surface *surface : window.findChildren<weftara::platform::Surface *>()) {
            FUZZ_CHECK(qint64(surface->width()) * surface->height() <= PixelCap);
            FUZZ_CHECK(qint64(surface->image().width()) * surface->image().height() <= PixelCap);
            FUZZ_CHECK(qint64(surface->picture().width()) * surface->picture().height() <= PixelCap);
        }
    }
    // No event loop runs between inputs: what the window left to be done
    // later is done now, so that nothing piles up from one input to the next.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return 0;
}
