#pragma once

#include <QStandardPaths>
#include <QTest>

// The main of every test program, in place of QTEST_MAIN and QTEST_GUILESS_MAIN: QStandardPaths is in its
// test mode before main runs, so that no test reads or writes the folders of the user who runs it.
inline void standardPathsInTestMode()
{
    QStandardPaths::setTestModeEnabled(true);
}

#define VELCARIN_TEST_MAIN(TestObject)                                                                       \
    Q_CONSTRUCTOR_FUNCTION(standardPathsInTestMode)                                                          \
    QTEST_MAIN(TestObject)

#define VELCARIN_TEST_GUILESS_MAIN(TestObject)                                                               \
    Q_CONSTRUCTOR_FUNCTION(standardPathsInTestMode)                                                          \
    QTEST_GUILESS_MAIN(TestObject)
