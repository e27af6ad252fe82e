#pragma once

#include "error_reports.h"
#include "x_client.h"

#include <chrono>
#include <functional>
#include <optional>

namespace testkit {

// The main window once a reader could use it, on a disc whatever its content: viewable, showing
// the parts of the skin no disc text can cover (the white page column left of the page view and
// the pale area right of the tree), and still the same X window half a second later. Error
// reports that show on the way (the start may report one before the window appears) are closed
// and counted. The issue bar is no sign here: the issue line may be any length.
std::optional<xcb_window_t> WaitForUsableMainWindow(const XClient& client, ErrorReports& reports,
                                                    std::chrono::milliseconds limit,
                                                    const std::function<void()>& eachLook = {});

} // namespace testkit
