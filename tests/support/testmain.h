#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

namespace weftara::testing {

// Runs every test class of one subsystem in one executable and returns the
// number of failed classes, so that CTest sees one verdict per subsystem.
template <class... TestClass>
int runTestClasses(int argc, char **argv)
{
    // The user's thumbnail cache and data folder stay out of reach.
    const QTemporaryDir home;
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    int failed = 0;
    auto runOne = [&](auto &&test) {
        if (QTest::qExec(&test, argc, argv) != 0)
            ++failed;
    };
    (runOne(TestClass{}), ...);
    return failed;
}

} // namespace weftara::testing

// Usage, in the subsystem's main.cpp:
//   WEFTARA_TEST_MAIN(EngineBlendTest, EngineFilterTest)
#define WEFTARA_TEST_MAIN(...)                                                   \
    int main(int argc, char **argv)                                              \
    {                                                                            \
        return weftara::testing::runTestClasses<__VA_ARGS__>(argc, argv);        \
    }
