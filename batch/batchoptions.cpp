#include "batch/batchoptions.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

namespace weftara::batch {

namespace {

// The pictures of a folder that Qt can read, sorted by name.
std::variant<QStringList, QString> picturesIn(const QString &folder)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return QStringLiteral("フォルダー「%1」がありません。").arg(QDir::toNativeSeparators(folder));
    QStringList endings;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        endings << QStringLiteral("*.") + QString::fromLatin1(format);
    endings << QStringLiteral("*.jpg") << QStringLiteral("*.heic") << QStringLiteral("*.heif");
    QStringList pictures;
    const QFileInfoList files =
        dir.entryInfoList(endings, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files)
        pictures << file.absoluteFilePath();
    pictures.removeDuplicates();
    return pictures;
}

std::variant<int, QString> positiveNumber(const QString &text, const QString &option)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < 1)
        return QStringLiteral("--%1 には 1 以上の数を指定してください。").arg(option);
    return number;
}

} // namespace

QString batchUsage()
{
    return QStringLiteral(
        "使い方: weftara-batch --recipe NAME [--recipes FILE] (--bases DIR | BASE...) [--patterns DIR]\n"
        "                      --out DIR [--format jpg|bmp] [--sheet FILE] [--jobs N] [--shard K/N]\n"
        "\n"
        "織り詞を、記録された元絵の代わりに一枚ずつの元絵で再生し、織り込んだ絵を --out に書きます。\n"
        "--patterns を付けると、すべての元絵とすべての柄絵の組み合わせを織ります。\n"
        "\n"
        "  --recipe NAME     織り詞の名前、または Weftara で保存した JPEG\n"
        "  --recipes FILE    織り詞のファイル（既定は Weftara が使う kotoba.txt）\n"
        "  --bases DIR       元絵のフォルダー（元絵のファイルを並べて指定してもよい）\n"
        "  --patterns DIR    柄絵のフォルダー\n"
        "  --out DIR         書き出すフォルダー\n"
        "  --format jpg|bmp  書き出す形式（既定は jpg）\n"
        "  --sheet FILE      すべての結果を並べた一覧の絵\n"
        "  --jobs N          同時に織る数（既定はコアの数、ただしメモリーに入るだけ）\n"
        "  --shard K/N       N 個に分けた仕事の K 番目だけを織る\n"
        "\n"
        "終了コード: 0 すべて成功、1 失敗した絵がある、2 指定の誤り、130 中断\n");
}

std::variant<BatchOptions, QString> parseBatchOptions(const QStringList &arguments, const QString &recipeFile)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption recipe(QStringLiteral("recipe"), {}, QStringLiteral("NAME"));
    const QCommandLineOption recipes(QStringLiteral("recipes"), {}, QStringLiteral("FILE"));
    const QCommandLineOption bases(QStringLiteral("bases"), {}, QStringLiteral("DIR"));
    const QCommandLineOption patterns(QStringLiteral("patterns"), {}, QStringLiteral("DIR"));
    const QCommandLineOption out(QStringLiteral("out"), {}, QStringLiteral("DIR"));
    const QCommandLineOption format(QStringLiteral("format"), {}, QStringLiteral("FORMAT"), QStringLiteral("jpg"));
    const QCommandLineOption sheet(QStringLiteral("sheet"), {}, QStringLiteral("FILE"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), {}, QStringLiteral("N"));
    const QCommandLineOption shard(QStringLiteral("shard"), {}, QStringLiteral("K/N"));
    const QCommandLineOption worker(QStringLiteral("worker"));
    parser.addOptions({recipe, recipes, bases, patterns, out, format, sheet, jobs, shard, worker});
    if (!parser.parse(arguments))
        return parser.errorText();

    BatchOptions options;
    options.recipe = parser.value(recipe);
    options.outFolder = parser.value(out);
    if (options.recipe.isEmpty())
        return QStringLiteral("--recipe で織り詞を指定してください。");
    if (options.outFolder.isEmpty())
        return QStringLiteral("--out で書き出すフォルダーを指定してください。");
    options.recipeFile = parser.isSet(recipes) ? parser.value(recipes) : recipeFile;

    const QString formatName = parser.value(format).toLower();
    if (formatName == QLatin1String("bmp"))
        options.format = output::SaveFormat::Bmp;
    else if (formatName != QLatin1String("jpg") && formatName != QLatin1String("jpeg"))
        return QStringLiteral("--format は jpg か bmp です。");

    if (parser.isSet(bases) == !parser.positionalArguments().isEmpty())
        return QStringLiteral("元絵は --bases のフォルダーか、ファイルを並べて指定してください（どちらか一方）。");
    if (parser.isSet(bases)) {
        auto listed = picturesIn(parser.value(bases));
        if (auto *error = std::get_if<QString>(&listed))
            return *error;
        options.bases = std::get<QStringList>(listed);
    } else {
        for (const QString &base : parser.positionalArguments())
            options.bases << QFileInfo(base).absoluteFilePath();
    }
    if (parser.isSet(patterns)) {
        auto listed = picturesIn(parser.value(patterns));
        if (auto *error = std::get_if<QString>(&listed))
            return *error;
        options.patterns = std::get<QStringList>(listed);
        if (options.patterns.isEmpty())
            return QStringLiteral("柄絵のフォルダーに絵がありません。");
    }
    if (options.bases.isEmpty())
        return QStringLiteral("元絵がありません。");

    if (parser.isSet(jobs)) {
        auto number = positiveNumber(parser.value(jobs), QStringLiteral("jobs"));
        if (auto *error = std::get_if<QString>(&number))
            return *error;
        options.jobs = std::get<int>(number);
    }
    if (parser.isSet(shard)) {
        static const QRegularExpression form(QStringLiteral("^(\\d+)/(\\d+)$"));
        const QRegularExpressionMatch match = form.match(parser.value(shard));
        options.shard = match.hasMatch() ? match.captured(1).toInt() : 0;
        options.shards = match.hasMatch() ? match.captured(2).toInt() : 0;
        if (options.shards < 1 || options.shard < 1 || options.shard > options.shards)
            return QStringLiteral("--shard は K/N（1 ≦ K ≦ N）で指定してください。");
    }
    options.sheetFile = parser.value(sheet);
    options.worker = parser.isSet(worker);
    return options;
}

} // namespace weftara::batch
