#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace testkit {
namespace {

// Reads what Xvfb writes to the -displayfd pipe up to the newline that ends the number; empty
// when nothing complete came within `limit` (the server failed or is stuck).
std::string ReadDisplayNumber(int descriptor, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::string text;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return {};
        }
        pollfd ready{descriptor, POLLIN, 0};
        if (::poll(&ready, 1, static_cast<int>(left.count())) <= 0) {
            continue;
        }
        char buffer[32];
        const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
        if (count <= 0) {
            return {}; // the server closed the pipe without a number: it has given up
        }
        text.append(buffer, static_cast<size_t>(count));
        if (const auto end = text.find('\n'); end != std::string::npos) {
            return text.substr(0, end);
        }
    }
}

} // namespace

XvfbServer::XvfbServer(int width, int height) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw std::runtime_error("pipe for Xvfb failed");
    }
    const std::string screen = std::to_string(width) + "x" + std::to_string(height) + "x24";
    try {
        m_server = std::make_unique<ChildProcess>(ChildOptions{
            {"Xvfb", "-displayfd", "3", "-screen", "0", screen, "-nolisten", "tcp", "-noreset"},
            EnvironmentWith({}, {}),
            {},
            pipeEnds[1]});
    } catch (...) {
        ::close(pipeEnds[0]);
        ::close(pipeEnds[1]);
        throw;
    }
    ::close(pipeEnds[1]);
    const std::string number = ReadDisplayNumber(pipeEnds[0], std::chrono::seconds(15));
    ::close(pipeEnds[0]);
    if (number.empty()) {
        m_server.reset();
        throw std::runtime_error("Xvfb did not report a display within 15 s (screen " + screen +
                                 ")");
    }
    m_display = ":" + number;
}

XvfbServer::~XvfbServer() = default; // ending the server's process group stops it

} // namespace testkit
