// The settings file with whatever bytes it holds, read and written back: a
// write read again gives the same table (so a second write gives the same
// bytes), and a value stored under a key comes back as it was stored. The
// input's last line is the value stored.

#include "fuzzfiles.h"
#include "quietdialogs.h"

#include "settings/settings.h"

#include <QCoreApplication>

using weftara::settings::Settings;

namespace {

const QStringView Keys[] = {u"MainLeft", u"MainTop", u"MainWidth", u"MainHeight", u"TutorShow", u"MotoEpath",
                            u"GaraEpath"};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QuietDialogs dialogs;
    const QString path = fuzzFolder() + QStringLiteral("/Weftara.ini");
    const QByteArray bytes = bytesOf(data, size);
    writeFuzzFile(path, bytes);

    Settings first(path, dialogs);
    first.read();
    FUZZ_CHECK(first.write());
    const QByteArray written = readFuzzFile(path);
    Settings second(path, dialogs);
    second.read();
    for (const QStringView key : Keys)
        FUZZ_CHECK(second.value(key, QStringLiteral("-")) == first.value(key, QStringLiteral("-")));
    FUZZ_CHECK(second.write());
    FUZZ_CHECK(readFuzzFile(path) == written);

    // A value of any text survives a write and a read, in whatever encoding
    // the file is kept.
    const QString value = QString::fromUtf8(bytes.mid(bytes.lastIndexOf('\n') + 1));
    second.setValue(u"MotoEpath", value);
    FUZZ_CHECK(second.write());
    Settings third(path, dialogs);
    third.read();
    FUZZ_CHECK(third.value(u"MotoEpath", QString()) == second.value(u"MotoEpath", QString()));
    return 0;
}
