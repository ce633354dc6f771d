#include "batch/batchtest.h"

#include "batch/batchrunner.h"
#include "recipes/recipelists.h"
#include "recipes/recipeselection.h"

#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using weftara::testing::runBatch;

namespace {

const QString SampleRecipes = QStringLiteral(WEFTARA_SAMPLE_RECIPES);
const QDir Samples(QStringLiteral(WEFTARA_SAMPLES_DIR));

QStringList sampleBlock(const QString &name)
{
    return weftara::recipes::markRecipeBlock(weftara::recipes::loadRecipeLists(SampleRecipes)->lines, name).lines;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

void BatchTest::sampleRecipesMatchTheWindow_data()
{
    QTest::addColumn<QString>("name");
    const auto lists = weftara::recipes::loadRecipeLists(SampleRecipes);
    for (const QString &name : lists->names)
        QTest::newRow(qPrintable(name)) << name;
}

void BatchTest::sampleRecipesMatchTheWindow()
{
    // The recipes name pictures of another machine; the window finds them
    // among the samples, and the batch is given those same files.
    QFETCH(QString, name);
    const QStringList block = sampleBlock(name);
    const QString recorded = block.filter(QRegularExpression(QStringLiteral("^Motoe="))).value(0);
    const QString base = Samples.filePath(QStringLiteral("Motoe/") + recorded.section(u'\\', -1));
    QTemporaryDir out;
    const auto batch = runBatch({QStringLiteral("--recipe"), name, QStringLiteral("--recipes"), SampleRecipes,
                                 QStringLiteral("--out"), out.path(), QStringLiteral("--format"), QStringLiteral("bmp"),
                                 QStringLiteral("--jobs"), QStringLiteral("1"), base});
    QVERIFY2(batch.exitCode == 0, qPrintable(batch.report));

    QFile written(out.filePath(QFileInfo(base).completeBaseName() + QStringLiteral(".bmp")));
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray window = weftara::testing::windowReplayAsBmp(block);
    QVERIFY(window.size() > 1000);
    QVERIFY(written.readAll() == window);
}

void BatchTest::pairsFailuresAndShards()
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath(QStringLiteral("bases"));
    root.mkpath(QStringLiteral("patterns"));
    for (const QString &base : {QStringLiteral("06_rainbow.bmp"), QStringLiteral("09_colourwheel.bmp")})
        QVERIFY(QFile::copy(Samples.filePath(QStringLiteral("Motoe/") + base), root.filePath(QStringLiteral("bases/") + base)));
    for (const QString &pattern : {QStringLiteral("01_stripes.bmp"), QStringLiteral("02_dots.bmp")})
        QVERIFY(QFile::copy(Samples.filePath(QStringLiteral("Garae/") + pattern),
                            root.filePath(QStringLiteral("patterns/") + pattern)));
    QFile broken(root.filePath(QStringLiteral("bases/07_broken.jpg")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write(QByteArrayLiteral("\xFF\xD8\xFF\xE0 not really a picture"));
    broken.close();

    const QStringList common{QStringLiteral("--recipe"), QStringLiteral("夕焼けと波"), QStringLiteral("--recipes"),
                             SampleRecipes, QStringLiteral("--bases"), root.filePath(QStringLiteral("bases")),
                             QStringLiteral("--patterns"), root.filePath(QStringLiteral("patterns"))};
    // Written into the folder of the bases, a result would replace its base.
    const QString inputs = root.filePath(QStringLiteral("bases"));
    QCOMPARE(runBatch(QStringList{QStringLiteral("--recipe"), QStringLiteral("夕焼けと波"), QStringLiteral("--recipes"),
                                  SampleRecipes, QStringLiteral("--bases"), inputs, QStringLiteral("--out"), inputs})
                 .exitCode,
             2);
    QCOMPARE(filesIn(inputs).size(), 3);

    const QString sheet = root.filePath(QStringLiteral("sheet.png"));
    const auto all = runBatch(common + QStringList{QStringLiteral("--out"), root.filePath(QStringLiteral("all")),
                                                   QStringLiteral("--jobs"), QStringLiteral("2"),
                                                   QStringLiteral("--sheet"), sheet});
    // The broken base fails with each pattern; the good pairs are written
    // all the same, and nothing half-written is left.
    QCOMPARE(all.exitCode, 1);
    QCOMPARE(all.report.count(QStringLiteral("07_broken.jpg")), 2);
    const QStringList written = filesIn(root.filePath(QStringLiteral("all")));
    QCOMPARE(written, (QStringList{"06_rainbow+01_stripes.jpg", "06_rainbow+02_dots.jpg",
                                   "09_colourwheel+01_stripes.jpg", "09_colourwheel+02_dots.jpg"}));
    QCOMPARE(QImage(sheet).width(), 2 * 252 + 12);

    // Three shards make every pair once between them.
    QStringList sharded;
    for (int k = 1; k <= 3; ++k) {
        const QString out = root.filePath(QStringLiteral("shard%1").arg(k));
        const auto part = runBatch(common + QStringList{QStringLiteral("--out"), out, QStringLiteral("--shard"),
                                                        QStringLiteral("%1/3").arg(k)});
        QVERIFY(part.exitCode == 0 || part.exitCode == 1);
        for (const QString &name : filesIn(out)) {
            QVERIFY2(!sharded.contains(name), qPrintable(name));
            sharded << name;
        }
    }
    sharded.sort();
    QCOMPARE(sharded, written);
}

void BatchTest::interruptLeavesOnlyWholeFiles()
{
    // Every sample base with every sample pattern: far more than are made
    // before the signal comes.
    QTemporaryDir out;
    QProcess batch;
    batch.start(QCoreApplication::applicationDirPath() + QStringLiteral("/weftara-batch"),
                {QStringLiteral("--recipe"), QStringLiteral("夕焼けと波"), QStringLiteral("--recipes"), SampleRecipes,
                 QStringLiteral("--bases"), Samples.filePath(QStringLiteral("Motoe")), QStringLiteral("--patterns"),
                 Samples.filePath(QStringLiteral("Garae")), QStringLiteral("--out"), out.path()});
    QVERIFY(batch.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size() >= 2, 60000);
    batch.terminate();
    QVERIFY(batch.waitForFinished(60000));
    QCOMPARE(batch.exitCode(), 130);
    const QStringList left = filesIn(out.path());
    QVERIFY(left.size() < 11 * 22);
    for (const QString &name : left) {
        QVERIFY2(!name.startsWith(u'.'), qPrintable(name));
        QImageReader reader(out.filePath(name));
        QVERIFY2(!reader.read().isNull(), qPrintable(name));
    }
}
