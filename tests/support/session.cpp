#include "session.h"

#include "settled_window.h"
#include "usable_window.h"
#include "window_messages.h"

namespace testkit {
namespace {

long Seconds(std::chrono::milliseconds limit) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(limit).count());
}

} // namespace

Session::Session(int width, int height, DiscCopy::Content content)
    : m_screen(width, height), m_disc(content),
      m_reports(m_screen.client(), m_screen.windows(), m_screen.input()) {}

void Session::Start(const std::vector<std::string>& environment) {
    m_program.reset(); // an earlier run's process group ends first
    m_program = std::make_unique<BrowserProcess>(m_disc, m_screen.display(), environment);
}

void Session::Start(const ProgramStart& start) {
    m_program.reset();
    m_program = std::make_unique<BrowserProcess>(start, m_disc.root() / "output.log");
}

testing::AssertionResult Session::WaitForMainWindow(std::chrono::milliseconds limit, Ready ready,
                                                    const std::function<void()>& eachLook) {
    if (ready == Ready::Usable)
        return Found(WaitForUsableMainWindow(client(), m_reports, limit, eachLook), limit,
                     "usable");
    return Found(WaitForSettledMainWindow(client(), limit, eachLook), limit, "settled");
}

testing::AssertionResult Session::WaitForMainWindow(std::chrono::milliseconds limit,
                                                    const std::function<bool(const Rect&)>& painted,
                                                    const std::function<void()>& eachLook) {
    return Found(WaitForSteadyMainWindow(client(), limit, painted, eachLook), limit, "painted");
}

testing::AssertionResult Session::Found(const std::optional<xcb_window_t>& window,
                                        std::chrono::milliseconds limit, const char* what) {
    const std::optional<Rect> at = window ? windows().Geometry(*window) : std::nullopt;
    if (!at)
        return testing::AssertionFailure()
               << "no " << what << " main window within " << Seconds(limit) << " s; " << State();
    m_window = *window;
    m_at = *at;
    return testing::AssertionSuccess();
}

void Session::Click(QPoint point) const {
    input().Click(m_at.x + point.x(), m_at.y + point.y());
}

void Session::Type(const std::string& keys) const {
    input().TypeInto(m_window, keys);
}

std::optional<Rgb> Session::Pixel(QPoint point) const {
    return PixelAt(client(), m_at.x + point.x(), m_at.y + point.y());
}

testing::AssertionResult Session::EndsWithStatusZero(std::chrono::milliseconds limit) {
    const std::optional<ExitStatus> status = m_program->WaitForExit(limit);
    if (!status)
        return testing::AssertionFailure() << "still running " << Seconds(limit) << " s later";
    if (*status != ExitStatus::Exited(0))
        return testing::AssertionFailure() << "ended with " << *status << "; output:\n"
                                           << m_program->Output();
    return testing::AssertionSuccess();
}

testing::AssertionResult Session::CloseEndsWithStatusZero(std::chrono::milliseconds limit) {
    RequestClose(client(), m_window);
    return EndsWithStatusZero(limit);
}

} // namespace testkit
