// Times one recipe over a folder of large base pictures: weftara-batch on
// all cores (and on one) against replaying the recipe in the window for one
// picture and saving it, times the number of pictures.
//
//   weftara_batch_bench [pictures] [jobs]
//
// The recipe has five steps: the base, the pattern, a weave at 60, a tone of
// +10 on the woven picture and emphasis. Its pictures, JPEGs of 4000 x 3000
// with a photo's grain, are made once into the build folder's bench-cache/.

#include "app/mainwindow.h"
#include "output/picturesave.h"
#include "platform/dialogs.h"
#include "recipes/recipebook.h"
#include "workspace/workspaceform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <sys/resource.h>

namespace {

constexpr QSize BaseSize(4000, 3000);

std::string processorModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line))
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find_first_not_of(' ', line.find(':') + 1));
    return "unknown processor";
}

// A sky-to-ground gradient with a few discs and a grain of +-8 levels, so
// that the JPEG is as large as a phone's 12-megapixel photo.
QImage basePicture(int index)
{
    QImage image(BaseSize, QImage::Format_RGB32);
    QRandomGenerator random(quint32(index) + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int sky = 255 * y / image.height();
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random.bounded(17)) - 8;
            row[x] = qRgb(std::clamp(sky / 2 + index + grain, 0, 255), std::clamp(120 + grain, 0, 255),
                          std::clamp(255 - sky + grain, 0, 255));
        }
    }
    QPainter painter(&image);
    for (int disc = 0; disc < 6; ++disc) {
        painter.setBrush(QColor::fromHsv((index * 37 + disc * 50) % 360, 160, 220));
        painter.drawEllipse(QPoint(int(random.bounded(4000)), int(random.bounded(3000))), 500, 400);
    }
    return image;
}

QImage patternPicture()
{
    QImage image(160, 120, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x / 20 + y / 20) % 2 ? qRgb(250, 240, 220) : qRgb(30, 80, 150));
    return image;
}

bool ensureInputs(const QDir &cache, int count)
{
    cache.mkpath(QStringLiteral("bases"));
    for (int i = 0; i < count; ++i) {
        const QString path = cache.filePath(QStringLiteral("bases/base_%1.jpg").arg(i, 3, 10, QChar(u'0')));
        if (!QFile::exists(path) && !basePicture(i).save(path, "jpg", 90))
            return false;
    }
    return QFile::exists(cache.filePath(QStringLiteral("pattern.bmp")))
           || patternPicture().save(cache.filePath(QStringLiteral("pattern.bmp")), "BMP");
}

QStringList recipe(const QDir &cache)
{
    return {QStringLiteral("詞初めベンチ"),
            QStringLiteral("詞の説明=五つの手順"),
            QStringLiteral("Motoe=") + cache.filePath(QStringLiteral("bases/base_000.jpg")),
            QStringLiteral("Garae=") + cache.filePath(QStringLiteral("pattern.bmp")),
            QStringLiteral("Text2= 60"),
            QStringLiteral("Orikomi"),
            QStringLiteral("TbsSelect=2"),
            QStringLiteral("FlgState(t)=3"),
            QStringLiteral("Text3.Text= 10"),
            QStringLiteral("Noutan2"),
            QStringLiteral("SelectedItem=2"),
            QStringLiteral("強調 2"),
            QStringLiteral("詞終わり")};
}

class SilentDialogs final : public weftara::platform::Dialogs
{
public:
    void message(const QString &text) override { std::fprintf(stderr, "message: %s\n", qPrintable(text)); }
    bool ask(const QString &) override { return false; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
    std::optional<weftara::platform::SaveChoice> chooseSaveFile(const QString &, const QStringList &) override
    {
        return std::nullopt;
    }
};

// One picture as a user makes it: a fresh window replays the recipe, then
// the picture is saved as JPEG.
struct Seconds
{
    double wall = 0;
    double processor = 0; // of every process that took part
};

double processorSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

Seconds windowReplaySeconds(const QStringList &block, const QString &out)
{
    QElapsedTimer timer;
    timer.start();
    const double processor = processorSeconds(RUSAGE_SELF);
    SilentDialogs dialogs;
    {
        weftara::app::MainWindow window(weftara::platform::ProgramFolder::ofExecutable(), &dialogs);
        window.recipeBook().replay(QString(), block);
        weftara::workspace::Workspace &ws = window.form().workspace();
        weftara::output::saveJpeg(weftara::output::pictureToSave(ws), out, ws.log().lines());
    }
    return {timer.nsecsElapsed() / 1e9, processorSeconds(RUSAGE_SELF) - processor};
}

Seconds batchSeconds(const QDir &cache, const QString &out, int jobs)
{
    QFile recipes(cache.filePath(QStringLiteral("kotoba.txt")));
    recipes.open(QIODevice::WriteOnly);
    recipes.write((recipe(cache).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    recipes.close();
    QElapsedTimer timer;
    timer.start();
    const double processor = processorSeconds(RUSAGE_CHILDREN);
    QProcess batch;
    // Its progress lines would drown the figures.
    batch.setStandardErrorFile(QProcess::nullDevice());
    batch.start(QCoreApplication::applicationDirPath() + QStringLiteral("/weftara-batch"),
                {QStringLiteral("--recipe"), QStringLiteral("ベンチ"), QStringLiteral("--recipes"), recipes.fileName(),
                 QStringLiteral("--bases"), cache.filePath(QStringLiteral("bases")), QStringLiteral("--out"), out,
                 QStringLiteral("--jobs"), QString::number(jobs)});
    batch.waitForFinished(-1);
    if (batch.exitCode() != 0)
        std::fprintf(stderr, "weftara-batch ended with %d\n", batch.exitCode());
    return {timer.nsecsElapsed() / 1e9, processorSeconds(RUSAGE_CHILDREN) - processor};
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const int cores = QThread::idealThreadCount();
    const int jobs = argc > 2 ? std::max(1, std::atoi(argv[2])) : cores;
    const QDir cache(QStringLiteral(WEFTARA_BENCH_CACHE "/batch-%1").arg(count));
    std::printf("processor: %s, %d logical cores\n", processorModel().c_str(), cores);
    std::printf("%d bases of %dx%d, 5-step recipe (base, pattern, weave 60, tone +10 on the woven picture, "
                "emphasis), written as JPEG\n", count, BaseSize.width(), BaseSize.height());
    std::fflush(stdout);
    if (!ensureInputs(cache, count)) {
        std::fprintf(stderr, "cannot write the pictures into %s\n", qPrintable(cache.path()));
        return 1;
    }

    // The window: one picture replayed and saved, five times; the median
    // stands for every picture.
    QTemporaryDir out;
    std::vector<Seconds> once;
    for (int i = 0; i < 5; ++i)
        once.push_back(windowReplaySeconds(recipe(cache), out.filePath(QStringLiteral("window.jpg"))));
    std::sort(once.begin(), once.end(), [](Seconds a, Seconds b) { return a.wall < b.wall; });
    const Seconds window{once[2].wall * count, once[2].processor * count};
    const auto show = [count, &window](const char *what, Seconds time) {
        std::printf("%-30s %7.1f s  %5.2f s a picture  %5.2f x the window  processor %6.1f s (%.2f s a picture)\n",
                    what, time.wall, time.wall / count, window.wall / time.wall, time.processor,
                    time.processor / count);
        std::fflush(stdout);
    };
    show(qPrintable(QStringLiteral("window, one picture x %1").arg(count)), window);
    show(qPrintable(QStringLiteral("weftara-batch --jobs %1").arg(jobs)),
         batchSeconds(cache, out.filePath(QStringLiteral("all")), jobs));
    if (jobs > 1)
        show("weftara-batch --jobs 1", batchSeconds(cache, out.filePath(QStringLiteral("one")), 1));
    return 0;
}
