#include "platform/screen_metrics.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

namespace {

// The size comes from the screen the test's xvfb-run is given: "-screen 0 1024x768x24".
TEST(ScreenMetrics, PrimaryScreenSizeIsZeroWithoutTheApplicationAndThenTheScreens) {
    EXPECT_EQ(platform::PrimaryScreenSize(), QSize(0, 0));

    qputenv("QT_QPA_PLATFORM", "xcb");
    int argc = 1;
    char name[] = "platform_x11_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication application(argc, argv);
    EXPECT_EQ(platform::PrimaryScreenSize(), QSize(1024, 768));
}

} // namespace
