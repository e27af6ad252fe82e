// The page view's tests with the real engine run on a real X server (Xvfb in the test command).

#include "ui/tests/hang_watchdog.h"
#include "ui/tests/test_environment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (ListingTestsOnly(argc, argv)) {
        ::testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }
    PrepareEngineEnvironment();
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    HangWatchdog::Install(100); // ahead of ctest's limit of 120 s
    return RUN_ALL_TESTS();
}
