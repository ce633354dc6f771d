#include "sessions/sessionpropertytest.h"

#include "sessions/roundtrip.h"
#include "sessions/windowsession.h"

#include <QTest>

using namespace weftara::sessions;

namespace {

// A number from the environment, or `otherwise`.
quint32 setting(const char *name, quint32 otherwise)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : otherwise;
}

} // namespace

void SessionPropertyTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    writeSessionPictures(m_folder.path());
}

void SessionPropertyTest::textForms()
{
    // The minimal sessions are kept as text: every form reads back as itself.
    const QString text = QStringLiteral(
        "base 2; pattern 0; tab 5; ratio 30; ratio-box  70; ratio-box ; weave; tick dark; untick light; "
        "close-options; threshold light 180; threshold-box dark abc; effect fade-left; step 40; step-box -20; "
        "channel green-down; tone -20; tone-box 150; zoom 200; zoom-box abc; text-mode; place 12 7; text 春|夏; "
        "font-size 20; color #1e50c8; font-style bold italic; vertical; draw; erase; fix; close-text; replay");
    const std::optional<Session> session = parseSession(text);
    QVERIFY(session);
    QCOMPARE(session->size(), 32);
    QCOMPARE(toText(*session), text);
    QVERIFY(!parseSession(QStringLiteral("base x")));
    QVERIFY(!parseSession(QStringLiteral("tick grey")));
    QVERIFY(!parseSession(QStringLiteral("weave now")));
}

void SessionPropertyTest::randomSessionsReplay()
{
    const quint32 count = setting("WEFTARA_SESSIONS", 300);
    const quint32 first = setting("WEFTARA_SESSION_SEED", 1);
    const QString folder = m_folder.path();
    const QString recipes = m_folder.filePath(QStringLiteral("kotoba.txt"));
    const DriverFactory fresh = [folder] {
        return std::make_unique<WindowSession>(weftara::platform::ProgramFolder(folder));
    };

    QStringList failures;
    for (quint32 seed = first; seed < first + count; ++seed) {
        const RoundTrip trip = randomRoundTrip(seed, recipes, fresh);
        if (trip.outcome == RoundTrip::Outcome::Same)
            continue;
        const Session minimal = shrinkSession(trip.session, [&](const Session &shorter) {
            return roundTrip(shorter, recipes, fresh).outcome == RoundTrip::Outcome::Different;
        });
        const RoundTrip shown = roundTrip(minimal, recipes, fresh);
        failures << QStringLiteral("seed %1: %2\n    minimal: %3").arg(seed).arg(shown.differences.join("; "),
                                                                             toText(minimal));
        qWarning().noquote() << failures.last();
    }
    qInfo().noquote() << QStringLiteral("%1 sessions from seed %2, %3 failed").arg(count).arg(first).arg(failures.size());
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
}

void SessionPropertyTest::regressions_data()
{
    QTest::addColumn<QString>("session");
    QTest::newRow("pattern toned, another pattern toned") << "base 0; pattern 0; tone 30; pattern 1; tone 20";
    QTest::newRow("base effect, 織込比, base zoom")
        << "base 0; pattern 0; tab 3; effect gray; weave; tab 3; zoom 50";
    QTest::newRow("woven tab, base effect, base zoom by box")
        << "base 0; pattern 0; tab 5; tab 3; effect gray; zoom-box 50";
    QTest::newRow("base zoom right after a weave") << "base 0; pattern 0; weave; tab 3; zoom 50";
    QTest::newRow("dark weave at its own ratio") << "base 1; pattern 0; ratio-box 45; tick dark; threshold dark 120";
    QTest::newRow("erase after a replayed text") << "base 1; text-mode; place 5 5; text A; draw; erase";
}

void SessionPropertyTest::regressions()
{
    QFETCH(QString, session);
    const std::optional<Session> steps = parseSession(session);
    QVERIFY(steps);
    const QString folder = m_folder.path();
    const RoundTrip trip = roundTrip(*steps, m_folder.filePath(QStringLiteral("kotoba.txt")), [folder] {
        return std::make_unique<WindowSession>(weftara::platform::ProgramFolder(folder));
    });
    QVERIFY2(trip.outcome != RoundTrip::Outcome::Inadmissible, "a step the rules leave out");
    QVERIFY2(trip.differences.isEmpty(), qPrintable(trip.differences.join('\n')));
}
