// Widget tests run against a real X server (Xvfb in the test command) with Qt's X11 platform.

#include "hang_watchdog.h"
#include "test_environment.h"
#include "ui/design_fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (ListingTestsOnly(argc, argv)) {
        ::testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }
    PrepareEngineEnvironment();
    QApplication application(argc, argv);
    design_fonts::RegisterSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    HangWatchdog::Install(100); // ahead of ctest's limit of 120 s
    return RUN_ALL_TESTS();
}
