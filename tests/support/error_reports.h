#pragma once

#include "input_driver.h"
#include "window_finder.h"

#include <chrono>
#include <string>
#include <vector>

namespace testkit {

// The program's error reports: modal message boxes titled with the application's title. A test
// on a disc that provokes them closes each with Return, as a reader would, and counts them.
class ErrorReports final {
public:
    ErrorReports(const XClient& client, const WindowFinder& windows, const InputDriver& input)
        : m_client(client), m_windows(windows), m_input(input) {}

    // Closes the reports showing now, reading each one's text first when `read` is set. Throws
    // std::runtime_error when one stays open after Return.
    void CloseShowing(bool read = false);
    // Closes reports as they come until none has shown for `quiet`.
    void CloseUntilQuiet(std::chrono::milliseconds quiet, bool read = false);

    int closed() const { return m_closed; }
    // The texts read, in the order the reports came.
    const std::vector<std::string>& texts() const { return m_texts; }

private:
    const XClient& m_client;
    const WindowFinder& m_windows;
    const InputDriver& m_input;
    int m_closed = 0;
    std::vector<std::string> m_texts;
};

} // namespace testkit
