// Writes the sample collections: samplegen <folder> <Motoe|Garae>/<file> ...
// Each named file is drawn and saved; the suffix chooses the format.
#include "catalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QCoreApplication>
#include <QTextStream>

namespace {

using weftara::samples::Sample;

const Sample *find(std::span<const Sample> samples, const QString &name)
{
    for (const Sample &sample : samples)
        if (name == QLatin1String(sample.fileName))
            return &sample;
    return nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        err << "usage: samplegen <folder> <Motoe|Garae>/<file> ...\n";
        return 2;
    }
    const QDir root(args[1]);
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString relative = args[i];
        const QString folder = relative.section(u'/', 0, 0);
        const QString name = relative.section(u'/', 1);
        const Sample *sample = nullptr;
        if (folder == u"Motoe")
            sample = find(weftara::samples::basePictures(), name);
        else if (folder == u"Garae")
            sample = find(weftara::samples::patternPictures(), name);
        if (!sample) {
            err << "samplegen: no drawing for " << relative << "\n";
            return 1;
        }
        const QString path = root.filePath(relative);
        if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
            err << "samplegen: cannot make the folder of " << path << "\n";
            return 1;
        }
        const QImage image = sample->draw();
        const QByteArray format = QFileInfo(path).suffix().toLatin1();
        if (!image.save(path, format.constData(), format == "jpg" ? 92 : -1)) {
            err << "samplegen: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
