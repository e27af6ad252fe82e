#pragma once

#include "tests/support/hang_watchdog.h"

#include <QApplication>
#include <QCoreApplication>
#include <QtGlobal>
#include <gtest/gtest.h>

#include <string_view>

// What every test program of the window and the page view sets up before its application object
// exists, and how it runs its tests.

// Listing the tests is done at build time, with no display, and needs no application object.
inline bool ListingTestsOnly(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--gtest_list_tests")
            return true;
    return false;
}

// Qt's X11 platform, and the HTML engine without its sandbox (the tests run as root) and
// without a GPU.
inline void PrepareEngineEnvironment() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    // As the program asks: the page's document for screen readers (built only while one listens).
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

// The main of a test program with the real engine on a real X server (Xvfb in the test command):
// the application, then `prepare` (fonts the window's tests need), then the tests under the
// hang watchdog.
template <typename Prepare> int RunEngineTests(int argc, char** argv, Prepare prepare) {
    if (ListingTestsOnly(argc, argv)) {
        ::testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }
    PrepareEngineEnvironment();
    QApplication application(argc, argv);
    prepare();
    ::testing::InitGoogleTest(&argc, argv);
    HangWatchdog::Install(100); // ahead of ctest's limit of 120 s
    return RUN_ALL_TESTS();
}
