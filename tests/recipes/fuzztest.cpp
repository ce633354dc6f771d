#include "recipes/fuzztest.h"

#include "recipes/recipedelete.h"
#include "recipes/recipelists.h"
#include "recipes/recipesave.h"
#include "recipes/recipeselection.h"
#include "recipes/recordingactions.h"
#include "recipes/replay.h"
#include "platform/textfile.h"
#include "support/filebytes.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

#include <array>

using namespace weftara::recipes;
using weftara::platform::readTextFile;
using weftara::platform::TextEncoding;

namespace {

constexpr std::array CommandKeys = {u"Motoe=", u"Garae=", u"Orikomi", u"sZoom", u"oZoom", u"Noutan",
                                    u"単色",   u"ソラリ", u"上下",    u"左",    u"右",    u"強調",
                                    u"色変更", u"文字織込", u"文字消去", u"MojiKakikomi"};

constexpr std::array ParameterKeys = {
    u"Text2=",      u"ChechValue1=", u"ChechValue2=", u"Text4=",     u"FlgState(0)=",
    u"TbsSelect=",  u"FlgState(t)=", u"Text3.Text=",  u"SelectedItem=", u"Text6=",
    u"Command8=",   u"Text7text=",   u"CurrentX=",    u"CurrentY=",  u"Font=",
    u"ForeColor=",  u"FontName=",    u"FontSize=",    u"FontBold=",  u"FontItalic=",
    u"FontUnderline="};

constexpr std::array Values = {u"",      u" 0",     u" 2",       u"-1",      u"3",      u"2.5",
                               u"1e999", u"-1e999", u"99999",    u"32767.5", u"-32768.5", u"abc",
                               u"&&&",   u"True",   u"4294967296", u"1e39",  u" 255",   u"5.5"};

constexpr std::array BlockLines = {u"詞初め", u"詞の説明=", u"詞終わり", u"", u"   "};

template <class Array>
QString pick(QRandomGenerator &random, const Array &array)
{
    return QString::fromUtf16(array[random.bounded(static_cast<quint32>(array.size()))]);
}

QString randomChars(QRandomGenerator &random, int maxLength)
{
    QString text;
    const int length = random.bounded(maxLength + 1);
    for (int i = 0; i < length; ++i) {
        switch (random.bounded(5)) {
        case 0: text += QChar(u'0' + random.bounded(10)); break;
        case 1: text += QChar(char16_t(random.bounded(0x20, 0x7f))); break;
        case 2: text += QChar(char16_t(random.bounded(0x3040, 0x9fff))); break;
        case 3: text += QChar(char16_t(random.bounded(0xd800, 0xe000))); break; // lone surrogates
        default: text += QChar(char16_t(random.bounded(0, 0x20))); break;
        }
    }
    return text;
}

QString randomNumber(QRandomGenerator &random)
{
    QString text = random.bounded(2) ? QStringLiteral(" ") : QStringLiteral("-");
    const int digits = random.bounded(1, 30);
    for (int i = 0; i < digits; ++i)
        text += QChar(u'0' + random.bounded(10));
    if (random.bounded(3) == 0)
        text += QStringLiteral(".") + QChar(u'0' + random.bounded(10));
    if (random.bounded(4) == 0)
        text += QStringLiteral("e") + QString::number(random.bounded(-400, 400));
    return text;
}

QString randomLine(QRandomGenerator &random)
{
    switch (random.bounded(10)) {
    case 0: case 1: case 2:
        return pick(random, CommandKeys) + (random.bounded(2) ? randomChars(random, 4) : QString());
    case 3: case 4: case 5: case 6: {
        const QString key = pick(random, ParameterKeys);
        if (random.bounded(2))
            return key + pick(random, Values);
        return key + randomNumber(random);
    }
    case 7: {
        const QString key = random.bounded(2) ? pick(random, ParameterKeys) : pick(random, CommandKeys);
        return key.left(random.bounded(static_cast<int>(key.size()) + 1));
    }
    case 8:
        return pick(random, BlockLines) + randomChars(random, 3);
    default:
        return randomChars(random, 12);
    }
}

QByteArray randomFileBytes(QRandomGenerator &random)
{
    // Pieces of real recipe files in both encodings, random bytes and line
    // ends of every kind.
    static const std::array<QByteArray, 10> pieces = {
        QByteArray("詞初め"), QByteArray("詞終わり"), QByteArray("詞の説明="),
        QByteArray::fromHex("8e8c8f8982df"), QByteArray::fromHex("8e8c8f4982ed82e8"),
        QByteArray("\r\n"), QByteArray("\n"), QByteArray("\r"), QByteArray("Motoe=a.bmp"),
        QByteArray(" ")};
    QByteArray bytes;
    const int count = random.bounded(40);
    for (int i = 0; i < count; ++i) {
        if (random.bounded(3) == 0)
            bytes += static_cast<char>(random.bounded(256));
        else
            bytes += pieces[random.bounded(static_cast<quint32>(pieces.size()))];
    }
    return bytes;
}

} // namespace

void RecipeFuzzTest::replayRandomBlocks_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 20240601u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void RecipeFuzzTest::replayRandomBlocks()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QSet<QString> effectButtons{"runEffect(0)", "runEffect(1)", "runEffect(2)",
                                      "runEffect(3)", "runEffect(4)", "runEffect(6)",
                                      "runEffect(8)"};
    const QRegularExpression tab(QStringLiteral("^selectTab\\(([345])\\)$"));
    for (int round = 0; round < 1500; ++round) {
        QStringList block;
        const int lines = random.bounded(40);
        for (int i = 0; i < lines; ++i)
            block.append(randomLine(random));

        testing::RecordingActions actions;
        replayRecipe(block, actions);
        QVERIFY2(actions.badIndices.isEmpty(), qPrintable(actions.badIndices.join(u' ')));
        QVERIFY(actions.calls.size() >= 2);
        QCOMPARE(actions.calls[0], QStringLiteral("clearLog()"));
        for (const QString &call : std::as_const(actions.calls)) {
            if (call.startsWith(u"runEffect"))
                QVERIFY2(effectButtons.contains(call), qPrintable(call));
            if (call.startsWith(u"selectTab"))
                QVERIFY2(tab.match(call).hasMatch(), qPrintable(call));
        }
    }
}

void RecipeFuzzTest::randomRecipeFiles_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {7u, 8u, 102u, 148u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void RecipeFuzzTest::randomRecipeFiles()
{
    QFETCH(quint32, seed);
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("kotoba.txt"));
    QRandomGenerator random(seed);

    for (int round = 0; round < 80; ++round) {
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(randomFileBytes(random));
        }
        const auto before = loadRecipeLists(path);
        QVERIFY(before.has_value());
        for (const QString &name : before->names) {
            const RecipeBlock block = markRecipeBlock(before->lines, name);
            QVERIFY(!block.marked.isEmpty());
            QCOMPARE(block.lines.first(), QStringLiteral("詞初め") + name);
        }

        // Appending keeps every recipe already there and adds the new one
        // whole, whatever the file held.
        const QString name = QStringLiteral("fuzz%1").arg(round);
        const QStringList log{"Motoe=/p/a.bmp", "Text2= 30", "Orikomi"};
        QCOMPARE(saveRecipe(path, before->names, name, u"d", log).status, SaveStatus::Saved);
        auto after = loadRecipeLists(path);
        QVERIFY(after.has_value());
        // A byte sequence cut short at the very end of a Shift-JIS file is
        // dropped by the decoder; once lines follow it decodes as a
        // substitute character, so the last old name may grow by one.
        QCOMPARE(after->names.size(), before->names.size() + 1);
        QCOMPARE(after->names.last(), name);
        for (qsizetype i = 0; i < before->names.size(); ++i) {
            const QString &old = before->names[i];
            const QString &now = after->names[i];
            const bool lastOld = i + 1 == before->names.size();
            QVERIFY2(now == old || (lastOld && now.startsWith(old) && now.size() == old.size() + 1),
                     qPrintable(QStringLiteral("name %1 changed").arg(i)));
        }
        const RecipeBlock saved = markRecipeBlock(after->lines, name);
        const QStringList expectedBlock =
            QStringList{"詞初め" + name, "詞の説明=d"} + log + QStringList{"詞終わり"};
        QCOMPARE(saved.lines, expectedBlock);

        // Deleting a recipe cuts out its block and nothing else.
        const qsizetype selected = random.bounded(static_cast<int>(after->names.size()));
        const QString doomedName = after->names[selected];
        const RecipeBlock doomed = markRecipeBlock(after->lines, doomedName);
        const QByteArray bytes = weftara::testing::readBytes(path);
        QCOMPARE(deleteRecipe(path, doomedName, doomed.lines, *after), DeleteStatus::Deleted);
        const QByteArray rest = weftara::testing::readBytes(path);
        QVERIFY(rest.size() < bytes.size());
        qsizetype same = 0;
        while (same < rest.size() && rest[same] == bytes[same])
            ++same;
        QCOMPARE(rest.mid(same), bytes.right(rest.size() - same));
    }
}
