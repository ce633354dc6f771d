#pragma once

#include <QApplication>
#include <QTest>

namespace weftara::testing {

// Runs every test class of one subsystem in one executable and returns the
// number of failed classes, so that CTest sees one verdict per subsystem.
template <class... TestClass>
int runTestClasses(int argc, char **argv)
{
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
