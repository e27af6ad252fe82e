#include "tests/support/browser_process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace {
using namespace testkit;
using namespace std::chrono_literals;

// Started where there is no X display at all (a text console, a broken session), the program
// cannot show anything. It must say so and end with a failure status of its own, promptly, and
// not die by a signal as a crash would.
TEST(NoDisplay, EndsPromptlyWithAFailureStatusAndSaysWhy) {
    const DiscCopy disc;
    BrowserProcess browser(disc, std::nullopt);

    const auto status = browser.WaitForExit(10s);
    ASSERT_TRUE(status) << "still running 10 s after a start without a display";
    EXPECT_TRUE(status->exited && status->code != 0) << "ended by " << *status << "; output:\n"
                                                     << browser.Output();
    std::string output = browser.Output();
    std::transform(output.begin(), output.end(), output.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    EXPECT_NE(output.find("display"), std::string::npos) << "nothing about the display in:\n"
                                                         << browser.Output();
}

} // namespace
