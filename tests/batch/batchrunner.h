#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace weftara::testing {

struct BatchResult
{
    int exitCode = -1;
    QString report; // what it wrote on the terminal
};

// Runs weftara-batch (built beside the tests) with `arguments`.
BatchResult runBatch(const QStringList &arguments);

// The picture the window makes when it replays `block` afresh on the sample
// program folder, as "絵の保存" would write it in BMP.
QByteArray windowReplayAsBmp(const QStringList &block);

} // namespace weftara::testing
