#include "benchsupport.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <thread>
#include <vector>

namespace weftara::bench {

QImage makePicture(int index, int grain, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const int hue = (index * 37) % 360;
    {
        QPainter p(&image);
        QLinearGradient sky(0, 0, 0, size.height());
        sky.setColorAt(0, QColor::fromHsv(hue, 120, 240));
        sky.setColorAt(1, QColor::fromHsv((hue + 90) % 360, 200, 90));
        p.fillRect(image.rect(), sky);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        std::uint32_t state = 12345u + static_cast<std::uint32_t>(index);
        auto next = [&state] {
            state = state * 1664525u + 1013904223u;
            return state >> 8;
        };
        for (int s = 0; s < 60; ++s) {
            QColor c = QColor::fromHsv(static_cast<int>(next() % 360), 150, 200);
            c.setAlpha(140);
            p.setBrush(c);
            const int r = 50 + static_cast<int>(next() % 600);
            p.drawEllipse(QPoint(static_cast<int>(next() % unsigned(size.width())),
                                 static_cast<int>(next() % unsigned(size.height()))),
                          r, r);
        }
    }
    std::uint32_t state = 777u + static_cast<std::uint32_t>(index);
    const auto levels = static_cast<std::uint32_t>(2 * grain + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1103515245u + 12345u;
            const int n = static_cast<int>((state >> 16) % levels) - grain;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    return image;
}

std::string machineDescription()
{
    QString model = QStringLiteral("unknown processor");
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name")) {
                model = QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
                break;
            }
        }
    }
    QString load = QStringLiteral("?");
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    if (loadavg.open(QIODevice::ReadOnly | QIODevice::Text))
        load = QString::fromUtf8(loadavg.readAll()).section(u' ', 0, 2);
    return QStringLiteral("%1, %2 logical cores, load average %3")
        .arg(model)
        .arg(std::max(1u, std::thread::hardware_concurrency()))
        .arg(load)
        .toStdString();
}

double processorSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

Timing measure(int repetitions, const std::function<void()> &run)
{
    using Clock = std::chrono::steady_clock;
    std::vector<double> seconds;
    std::vector<double> processor;
    for (int r = 0; r < repetitions; ++r) {
        const auto start = Clock::now();
        const double startProcessor = processorSeconds();
        run();
        seconds.push_back(std::chrono::duration<double>(Clock::now() - start).count());
        processor.push_back(processorSeconds() - startProcessor);
    }
    std::sort(seconds.begin(), seconds.end());
    std::sort(processor.begin(), processor.end());
    return {seconds.front(), seconds[seconds.size() / 2], processor[processor.size() / 2]};
}

} // namespace weftara::bench
