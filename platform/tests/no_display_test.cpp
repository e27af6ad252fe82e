#include "platform/window_lookup.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <optional>

namespace {

// The start-up asks before any window exists; without a usable display it must carry on, not
// crash or wait.
TEST(WindowLookupWithoutDisplay, FindsNothingAndTheFocusRequestReturns) {
    const std::optional<QByteArray> saved =
        qEnvironmentVariableIsSet("DISPLAY") ? std::optional(qgetenv("DISPLAY")) : std::nullopt;
    for (const char* display : {static_cast<const char*>(nullptr), "", "not a display", ":x"}) {
        SCOPED_TRACE(display == nullptr ? "DISPLAY unset" : display);
        if (display == nullptr) {
            qunsetenv("DISPLAY");
        } else {
            qputenv("DISPLAY", display);
        }
        EXPECT_EQ(platform::FindTopLevelWindow(QStringLiteral("Quillore CD-ROM Browser Main Form")),
                  std::nullopt);
        platform::RequestFocus(platform::WindowHandle{0x200001});
    }
    if (saved) {
        qputenv("DISPLAY", *saved);
    } else {
        qunsetenv("DISPLAY");
    }
}

} // namespace
