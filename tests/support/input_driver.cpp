#include "input_driver.h"

#include "child_process.h"

#include <sstream>
#include <stdexcept>
#include <thread>

namespace testkit {
namespace {

// Lets the program take each event in before the next, as a hand would.
void Pause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(80));
}

} // namespace

void InputDriver::Run(const std::vector<std::string>& arguments) const {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    const auto status = RunToEnd(
        ChildOptions{argv, EnvironmentWith({"XAUTHORITY"}, {"DISPLAY=" + m_display}), {}, -1},
        std::chrono::seconds(5));
    if (status != ExitStatus::Exited(0)) {
        std::ostringstream what;
        what << "xdotool";
        for (const std::string& argument : arguments) {
            what << ' ' << argument;
        }
        if (status) {
            what << ": " << *status;
        } else {
            what << ": no answer within 5 s";
        }
        throw std::runtime_error(what.str());
    }
}

void InputDriver::MoveTo(int x, int y) const {
    Run({"mousemove", std::to_string(x), std::to_string(y)});
    Pause();
}

void InputDriver::Click(int x, int y) const {
    MoveTo(x, y);
    Run({"click", "1"});
    Pause();
}

void InputDriver::TripleClick(int x, int y) const {
    MoveTo(x, y);
    Run({"click", "--repeat", "3", "--delay", "60", "1"});
    Pause();
}

void InputDriver::Drag(int x, int y, int dx, int dy) const {
    MoveTo(x, y);
    Run({"mousedown", "1"});
    Pause();
    constexpr int kSteps = 4;
    for (int step = 1; step <= kSteps; ++step) {
        MoveTo(x + dx * step / kSteps, y + dy * step / kSteps);
    }
    Run({"mouseup", "1"});
    Pause();
}

void InputDriver::TypeInto(xcb_window_t window, const std::string& keys) const {
    Run({"windowfocus", std::to_string(window)});
    Pause();
    Run({"key", keys});
    Pause();
}

} // namespace testkit
