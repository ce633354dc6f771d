#include "sessions/sessioncompare.h"

#include "recipes/loggroups.h"

namespace weftara::sessions {

namespace {

QString sizeText(const QImage &image)
{
    return QStringLiteral("%1×%2").arg(image.width()).arg(image.height());
}

// The first pixel that differs and how many do; empty when none.
QString pictureDifference(const QString &name, const QImage &made, const QImage &replayed)
{
    if (made.size() != replayed.size())
        return QStringLiteral("%1: %2 made, %3 replayed").arg(name, sizeText(made), sizeText(replayed));
    const QImage a = made.convertToFormat(QImage::Format_RGB32);
    const QImage b = replayed.convertToFormat(QImage::Format_RGB32);
    qsizetype count = 0;
    QPoint first;
    quint32 madeWord = 0, replayedWord = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *p = reinterpret_cast<const quint32 *>(a.constScanLine(y));
        const auto *q = reinterpret_cast<const quint32 *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            if (p[x] == q[x])
                continue;
            if (count++ == 0) {
                first = {x, y};
                madeWord = p[x];
                replayedWord = q[x];
            }
        }
    }
    if (count == 0)
        return {};
    return QStringLiteral("%1: %2 pixels differ, the first at (%3, %4): %5 made, %6 replayed")
        .arg(name)
        .arg(count)
        .arg(first.x())
        .arg(first.y())
        .arg(madeWord, 8, 16, QLatin1Char('0'))
        .arg(replayedWord, 8, 16, QLatin1Char('0'));
}

} // namespace

QStringList withoutGeometry(const QStringList &log)
{
    const std::array<QStringView, 4> keys{recipes::LeftKey, recipes::TopKey, recipes::WidthKey, recipes::HeightKey};
    QStringList kept;
    for (const QString &line : log) {
        if (line != recipes::SizeCommand) {
            kept << line;
            continue;
        }
        for (auto key = keys.rbegin(); key != keys.rend() && !kept.isEmpty() && kept.last().startsWith(*key); ++key)
            kept.removeLast();
    }
    return kept;
}

QStringList sessionDifferences(const SessionSnapshot &made, const SessionSnapshot &replayed)
{
    QStringList differences;
    for (const QString &difference : {pictureDifference(QStringLiteral("base"), made.base, replayed.base),
                                      pictureDifference(QStringLiteral("pattern"), made.pattern, replayed.pattern),
                                      pictureDifference(QStringLiteral("woven"), made.woven, replayed.woven)})
        if (!difference.isEmpty())
            differences << difference;

    const QStringList a = withoutGeometry(made.log);
    const QStringList b = withoutGeometry(replayed.log);
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (a.value(i, QStringLiteral("(none)")) != b.value(i, QStringLiteral("(none)"))) {
            differences << QStringLiteral("log line %1: \"%2\" made, \"%3\" replayed")
                               .arg(i + 1)
                               .arg(a.value(i, QStringLiteral("(none)")), b.value(i, QStringLiteral("(none)")));
            break;
        }
    }
    return differences;
}

} // namespace weftara::sessions
