#include "session.h"

#include "settled_window.h"
#include "window_messages.h"

namespace testkit {
namespace {

// The parts of the skin no disc text can cover, the page column at the left edge and the tree
// area at the right edge, are painted once the window has its layout and its first page. (The
// issue bar is no sign on a disc of any content: the issue line may be any length.)
constexpr Rgb kPageColumn{0xFF, 0xFF, 0xFF};
constexpr Rgb kTreeArea{0xF5, 0xFB, 0xFB};

long Seconds(std::chrono::milliseconds limit) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(limit).count());
}

} // namespace

Session::Session(int width, int height, DiscCopy::Content content)
    : m_server(width, height), m_client(m_server.display()), m_windows(m_client),
      m_input(m_server.display()), m_disc(content), m_reports(m_client, m_windows, m_input) {}

void Session::Start(const std::vector<std::string>& environment) {
    m_program.reset(); // an earlier run's process group ends first
    m_program = std::make_unique<BrowserProcess>(m_disc, m_server.display(), environment);
}

void Session::Start(const ProgramStart& start) {
    m_program.reset();
    m_program = std::make_unique<BrowserProcess>(start, m_disc.root() / "output.log");
}

testing::AssertionResult Session::WaitForMainWindow(std::chrono::milliseconds limit, Ready ready,
                                                    const std::function<void()>& eachLook) {
    if (ready == Ready::Usable) {
        const auto painted = [this](const Rect& at) {
            return PixelAt(client(), at.x + 2, at.y + 300) == kPageColumn &&
                   PixelAt(client(), at.x + 790, at.y + 300) == kTreeArea;
        };
        // A start on a broken disc may report it before the window shows.
        const auto closeReports = [&] {
            m_reports.CloseShowing(true);
            if (eachLook)
                eachLook();
        };
        return Found(WaitForSteadyMainWindow(client(), limit, painted, closeReports), limit,
                     "usable");
    }
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
