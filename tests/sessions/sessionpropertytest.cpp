#include "sessions/sessionpropertytest.h"

#include "sessions/roundtrip.h"
#include "sessions/sessioncompare.h"
#include "sessions/windowsession.h"

#include <QRegularExpression>
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
    const quint32 count = setting("WEFTARA_SESSIONS", 250);
    const quint32 first = setting("WEFTARA_SESSION_SEED", 1);
    const QString recipes = recipeFile();
    const DriverFactory fresh = freshWindow();

    QStringList failures;
    for (quint32 seed = first; seed < first + count; ++seed) {
        if (seed > first && (seed - first) % 1000 == 0)
            qInfo().noquote() << QStringLiteral("%1 sessions, %2 failed").arg(seed - first).arg(failures.size());
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
    QTest::newRow("base effect, 織込比, base zoom")
        << "base 0; pattern 0; tab 3; effect gray; weave; tab 3; zoom 50";
    QTest::newRow("woven tab, base effect, base zoom by box")
        << "base 0; pattern 0; tab 5; tab 3; effect gray; zoom-box 50";
    QTest::newRow("base zoom right after a weave") << "base 0; pattern 0; weave; tab 3; zoom 50";
    QTest::newRow("dark weave at its own ratio") << "base 1; pattern 0; ratio-box 45; tick dark; threshold dark 120";
    QTest::newRow("erase after a replayed text") << "base 1; text-mode; place 5 5; text A; draw; erase";
    QTest::newRow("base tab remembering a tone, new base") << "base 0; tone-box 10; base 2";
    QTest::newRow("new base after a pattern") << "base 2; pattern 2; base 1";
    QTest::newRow("light weave at a ratio out of range") << "base 0; ratio-box 150; tick light; text-mode";
    QTest::newRow("text after another pattern in text mode") << "base 1; text-mode; pattern 2; draw";
    QTest::newRow("base tone moved twice") << "base 0; tone 100; tone 20";
    QTest::newRow("plain weave after a light one") << "base 1; pattern 0; tick light; weave; untick light; weave";
    QTest::newRow("light weave at the slider's own threshold") << "base 1; pattern 0; weave; tick light; weave";
    QTest::newRow("tone of an empty pattern after a new base") << "base 2; tab 4; tone 40; tab 5; base 0; tab 4; tone-box  0; tab 2";
}

DriverFactory SessionPropertyTest::freshWindow() const
{
    const QString folder = m_folder.path();
    return [folder] { return std::make_unique<WindowSession>(weftara::platform::ProgramFolder(folder)); };
}

QString SessionPropertyTest::recipeFile() const
{
    return m_folder.filePath(QStringLiteral("kotoba.txt"));
}

SessionPropertyTest::SessionSnapshot SessionPropertyTest::run(const QString &session)
{
    const std::unique_ptr<SessionDriver> window = freshWindow()();
    for (const Operation &op : parseSession(session).value_or(Session{}))
        window->apply(op);
    return window->snapshot();
}

void SessionPropertyTest::sessionsAgree_data()
{
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("same");    // a session that must make the same picture
    QTest::addColumn<QString>("picture"); // base, pattern or woven

    QTest::newRow("a new pattern tones from itself")
        << "base 0; pattern 0; tone 30; pattern 1; tone 20" << "base 0; pattern 1; tone 20" << "pattern";
    QTest::newRow("a base zoom after an effect and 織込比 keeps the effect")
        << "base 0; pattern 0; tab 3; effect gray; weave; tab 3; zoom 50" << "base 0; effect gray; zoom 50"
        << "base";
    QTest::newRow("an effect on the base from a collection tab weaves again")
        << "base 0; pattern 0; tab 5; tab 2; effect gray; tab 5" << "base 0; pattern 0; tab 3; effect gray; tab 5"
        << "woven";
    QTest::newRow("a colour step on the base weaves again")
        << "base 0; pattern 0; tab 5; tab 3; channel red-up; tab 5"
        << "base 0; tab 3; channel red-up; pattern 0; tab 5" << "woven";
    QTest::newRow("text after another pattern goes onto its weave")
        << "base 0; pattern 0; tab 5; text-mode; pattern 1; text A; draw"
        << "base 0; pattern 1; tab 5; text-mode; text A; draw" << "woven";
}

void SessionPropertyTest::sessionsAgree()
{
    QFETCH(QString, session);
    QFETCH(QString, same);
    QFETCH(QString, picture);
    QVERIFY(parseSession(session) && parseSession(same));
    const SessionSnapshot a = run(session), b = run(same);
    const QStringList differences = sessionDifferences(a, b).filter(QRegularExpression('^' + picture + ':'));
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join('\n')));
}

void SessionPropertyTest::effectsOutliveToneAndZoom_data()
{
    // Each session ends with a tone or zoom after "単色": the picture stays
    // grey (smooth scaling and a tone keep red, green and blue equal).
    QTest::addColumn<QString>("session");
    QTest::addColumn<QString>("picture");
    QTest::newRow("woven tone") << "base 0; pattern 0; tab 5; tone 20; effect gray; tone 40" << "woven";
    QTest::newRow("woven zoom") << "base 0; pattern 0; tab 5; zoom 200; effect gray; zoom 50" << "woven";
    QTest::newRow("woven zoom after a tone") << "base 0; pattern 0; tab 5; tone 20; zoom 150; effect gray; zoom 50"
                                             << "woven";
    QTest::newRow("pattern tone") << "base 0; pattern 0; tone 20; effect gray; tone -30" << "pattern";
    QTest::newRow("base zoom after 織込比") << "base 0; pattern 0; tab 3; effect gray; weave; tab 3; zoom 50"
                                         << "base";
}

void SessionPropertyTest::effectsOutliveToneAndZoom()
{
    QFETCH(QString, session);
    QFETCH(QString, picture);
    QVERIFY(parseSession(session));
    const SessionSnapshot shown = run(session);
    const QImage image = picture == "woven" ? shown.woven : picture == "pattern" ? shown.pattern : shown.base;
    QVERIFY(!image.isNull());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY2(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }
}

void SessionPropertyTest::regressions()
{
    QFETCH(QString, session);
    const std::optional<Session> steps = parseSession(session);
    QVERIFY(steps);
    const RoundTrip trip = roundTrip(*steps, recipeFile(), freshWindow());
    QVERIFY2(trip.outcome != RoundTrip::Outcome::Inadmissible, "a step the rules leave out");
    QVERIFY2(trip.differences.isEmpty(), qPrintable(trip.differences.join('\n')));
}
