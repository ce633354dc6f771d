#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <string>

namespace weftara::bench {

// A photo-like picture: a sky gradient, soft shapes and a fine grain of
// +-`grain` levels. Grain 8 makes JPEG files of about 2.9 MB at 4000 x 3000,
// as large as a phone camera's 12-megapixel pictures. The time a decode
// takes depends on this: the compressed data must be decoded whole at any
// scale.
QImage makePicture(int index, int grain, QSize size);

// Where a benchmark ran: the processor model, its logical cores and the load
// average when the run started, since other work on a shared machine slows
// wall-clock figures.
std::string machineDescription();

// Processor time of all the process's threads, which other programs on the
// machine do not inflate the way they do wall-clock time.
double processorSeconds();

struct Timing
{
    double best = 0;      // wall clock, seconds
    double median = 0;    // wall clock, seconds
    double processor = 0; // median processor time, seconds
};

// Runs `run` `repetitions` times and keeps the best and median times.
Timing measure(int repetitions, const std::function<void()> &run);

} // namespace weftara::bench
