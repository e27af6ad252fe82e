// The disc-confinement tests run on a real X server (Xvfb in the test command) with a home of
// their own: the hostile page's "reader's files" live there, and the test of what a shown disc
// leaves behind starts this program again with another fresh home.

#include "tests/support/engine_test_run.h"
#include "tests/support/temp_folder.h"
#include "ui/design_fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>

int ShowPagesAndQuitForTest(const std::string& discRoot);

int main(int argc, char** argv) {
    if (ListingTestsOnly(argc, argv)) {
        ::testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }
    PrepareEngineEnvironment();
    if (argc == 3 && std::string_view(argv[1]) == "--show-pages-and-quit") {
        QApplication application(argc, argv);
        design_fonts::RegisterSubstitutions();
        return ShowPagesAndQuitForTest(argv[2]);
    }

    const testkit::TempDir home;
    ::setenv("HOME", home.str().c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        ::unsetenv(name);
    QApplication application(argc, argv);
    design_fonts::RegisterSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    HangWatchdog::Install(100); // ahead of ctest's limit of 120 s
    return RUN_ALL_TESTS();
}
