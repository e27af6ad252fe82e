// No page takes the program hostage. On a disc of the test's own, the reader opens a page whose
// script runs without end, one that fills its heap, one that opens alerts in a loop and one that
// objects to being left; after each, the green entry must show, and Quit must end the program
// while the bad page is at its worst. A page process killed from outside leaves the program
// running. The test prints how long the green page took after each bad page, beside how long it
// took after the start page in the same run.
//
// Each case once here; a stress run repeats them:
//   build/tests/page_hostage_tests --gtest_repeat=10 | grep figures

#include "child_process.h"
#include "disc_copy.h"
#include "error_reports.h"
#include "input_driver.h"
#include "screen_grab.h"
#include "usable_window.h"
#include "wait.h"
#include "window_finder.h"
#include "x_client.h"
#include "xvfb_server.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>

namespace whole_program {
namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The caption of a page's dialogs (ui/page_dialog.h).
constexpr std::string_view kPageDialogCaption = "ページからのメッセージ";

// The tree: one heading and the pages under it, one row each of 14 pixels from the tree's top
// at y 198 in the window.
enum Row { kStartRow = 1, kLoopRow, kHogRow, kAlertRow, kLeaveRow, kGreenRow };
constexpr int RowY(int row) {
    return 198 + 14 * row + 7;
}
constexpr int kTreeX = 640;
// A point of the page area, and the Quit button's middle.
constexpr int kPageX = 280;
constexpr int kPageY = 200;
constexpr int kQuitX = (691 + 763) / 2;
constexpr int kQuitY = (565 + 584) / 2;
constexpr int kBackX = 595 + 96 / 2;
constexpr int kBackY = 544 + 42 / 2;
// The start page's one launch button, on a strip of one row (its top at 3 + 594 - 34).
constexpr int kButtonX = 5 + 176 / 2;
constexpr int kButtonY = 3 + 594 - 34 + 7 + 24 / 2;

// What the engine writes when a page's script heap reaches its bound.
constexpr std::string_view kHeapLimitReport = "Reached heap limit";

constexpr Rgb kStartColour{0x20, 0x40, 0xC0};
constexpr Rgb kGreen{0x00, 0xFF, 0x00};

// Each page fills the page area with its colour; the bad ones turn bad 300 ms after loading.
std::string Page(const Rgb& colour, const std::string& script = {}) {
    char background[8];
    std::snprintf(background, sizeof background, "#%02X%02X%02X", colour.red, colour.green,
                  colour.blue);
    return std::string("<html><body style=\"margin:0;height:100%;background:") + background +
           "\"><p>page</p><script>" + script + "</script></body></html>";
}

struct BadPage final {
    const char* name;
    int row;
    Rgb colour;
    const char* file;
    const char* script;
};

const BadPage kBadPages[] = {
    {"EndlessLoop",
     kLoopRow,
     {0xFF, 0x00, 0x00},
     "loop.htm",
     "setTimeout(function(){for(;;){}},300);"},
    // Arrays of 100,000 numbers, 800 kB each, up to 256 MB: four times the program's bound of a
    // page's script heap, so that a program without it fails here without taking the machine's
    // memory; the page then spins like the endless loop.
    {"MemoryHog",
     kHogRow,
     {0xFF, 0x80, 0x00},
     "hog.htm",
     "setTimeout(function(){var a=[];while(a.length<320){a.push(new "
     "Array(100000).fill(Math.random()));}"
     "for(;;){}},300);"},
    {"AlertLoop",
     kAlertRow,
     {0xFF, 0xFF, 0x00},
     "alerts.htm",
     "setTimeout(function(){for(var i=1;i<=1000;i++){alert('Alert '+i);}},300);"},
    {"LeavePrompt",
     kLeaveRow,
     {0x00, 0xFF, 0xFF},
     "leave.htm",
     "window.addEventListener('beforeunload',function(e){e.preventDefault();"
     "e.returnValue='Stay';return 'Stay';});"},
};

void PrintTo(const BadPage& page, std::ostream* out) {
    *out << page.name;
}

// The disc: list files and pages in a source directory, copied with the program as a disc.
class HostageDisc final {
public:
    HostageDisc() {
        std::string pattern = (fs::temp_directory_path() / "quilcd-hostage-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot make a temporary directory");
        m_source = pattern;
        Write("menu/tree.txt", "Pages\r\n\tStart\r\n\tEndless loop\r\n\tMemory hog\r\n"
                               "\tAlert loop\r\n\tLeave prompt\r\n\tGreen\r\n");
        Write("menu/html.txt",
              "\r\nhostage\\start.htm\r\nhostage\\loop.htm\r\nhostage\\hog.htm\r\n"
              "hostage\\alerts.htm\r\nhostage\\leave.htm\r\nhostage\\green.htm\r\n");
        Write("menu/button.txt", "\r\nhostage\\start.txt\r\n\r\n\r\n\r\n\r\n\r\n");
        Write("menu/init.txt", "1999 Vol.5 No.12\r\n");
        Write("_html/hostage/start.htm", Page(kStartColour));
        Write("_html/hostage/green.htm", Page(kGreen));
        for (const BadPage& page : kBadPages)
            Write(std::string("_html/hostage/") + page.file, Page(page.colour, page.script));
        // The start page's button writes the environment a launched program inherits.
        Write("_html/hostage/start.txt", "Environment\r\nhostage\\environment.sh\r\n");
        Write("_html/hostage/environment.sh", "#!/bin/sh\nenv > environment.txt\n");
        fs::permissions(m_source / "_html/hostage/environment.sh", fs::perms::owner_all);
        m_disc = std::make_unique<DiscCopy>(m_source, QUILCD_PROGRAM);
    }
    ~HostageDisc() {
        m_disc.reset();
        std::error_code ignored;
        fs::remove_all(m_source, ignored);
    }
    HostageDisc(const HostageDisc&) = delete;
    HostageDisc& operator=(const HostageDisc&) = delete;

    const DiscCopy& disc() const { return *m_disc; }

private:
    void Write(const std::string& relative, const std::string& bytes) const {
        const fs::path path = m_source / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }

    fs::path m_source;
    std::unique_ptr<DiscCopy> m_disc;
};

std::string CommandLine(pid_t pid) {
    std::ifstream cmdline("/proc/" + std::to_string(pid) + "/cmdline");
    return std::string((std::istreambuf_iterator<char>(cmdline)), {});
}

// Page processes: the program's descendants forked by the engine's zygote (they keep its
// command line, so they are known by their parent).
std::vector<pid_t> PageProcesses(pid_t program) {
    std::map<pid_t, pid_t> parents;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
            continue;
        std::istringstream fields(line.substr(line.rfind(')') + 1));
        char state = 0;
        pid_t parent = 0;
        if (fields >> state >> parent)
            parents[std::stoi(name)] = parent;
    }
    std::vector<pid_t> pages;
    for (const auto& [pid, parent] : parents) {
        pid_t up = parent;
        for (int level = 0; level < 16 && up > 1 && up != program; ++level)
            up = parents.count(up) ? parents[up] : 0;
        if (up == program && parent != program &&
            CommandLine(parent).find("--type=zygote") != std::string::npos)
            pages.push_back(pid);
    }
    return pages;
}

// Whether a process still runs: an ended one stays a zombie until its parent collects it.
bool Running(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line) || line.rfind(')') == std::string::npos)
        return false;
    std::istringstream fields(line.substr(line.rfind(')') + 1));
    char state = 0;
    return fields >> state && state != 'Z' && state != 'X';
}

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// The program on the disc under an X server of its own, and what a reader does with it.
class Session final {
public:
    // `environment` (NAME=value) is added to this process's environment for the program.
    Session(const HostageDisc& disc, const std::vector<std::string>& environment)
        : m_server(1024, 768), m_client(m_server.display()), m_windows(m_client),
          m_input(m_server.display()), m_reports(m_client, m_windows, m_input),
          m_log(disc.disc().root() / "output.log") {
        std::vector<std::string> added = environment;
        added.push_back("QT_QPA_PLATFORM=xcb");
        added.push_back("DISPLAY=" + m_server.display());
        m_program = std::make_unique<ChildProcess>(ChildOptions{
            {disc.disc().program().string()},
            EnvironmentWith({"DISPLAY", "WAYLAND_DISPLAY", "XAUTHORITY", "QT_STYLE_OVERRIDE",
                             "QTWEBENGINE_DISABLE_SANDBOX", "QTWEBENGINE_CHROMIUM_FLAGS"},
                            added),
            m_log,
            -1});
    }

    // The main window, usable, showing the start page.
    ::testing::AssertionResult Open() {
        const auto window = WaitForUsableMainWindow(m_client, m_reports, 60s);
        if (!window)
            return ::testing::AssertionFailure()
                   << "no usable main window within 60 s; " << State();
        m_window = *window;
        const std::optional<Rect> at = m_windows.Geometry(m_window);
        if (!at)
            return ::testing::AssertionFailure() << "the main window went; " << State();
        m_at = *at;
        if (!WaitForColour(kStartColour, 30s))
            return ::testing::AssertionFailure() << "the start page did not show; " << State();
        return ::testing::AssertionSuccess();
    }

    void Choose(int row) const { m_input.Click(m_at.x + kTreeX, m_at.y + RowY(row)); }
    void Click(int x, int y) const { m_input.Click(m_at.x + x, m_at.y + y); }
    std::optional<Rgb> PageColour() const {
        return PixelAt(m_client, m_at.x + kPageX, m_at.y + kPageY);
    }
    // How long the page area took to show `colour`; nullopt when it did not within `limit`.
    std::optional<Clock::duration> WaitForColour(const Rgb& colour,
                                                 std::chrono::milliseconds limit) const {
        const auto start = Clock::now();
        if (!WaitFor([&] { return PageColour() == colour; }, limit))
            return std::nullopt;
        return Clock::now() - start;
    }
    // Chooses an entry, or presses Back, and times the page until its colour shows.
    std::optional<Clock::duration> ChooseAndWait(int row, const Rgb& colour) const {
        return TimeUntil([&] { Choose(row); }, colour);
    }
    std::optional<Clock::duration> BackAndWait(const Rgb& colour) const {
        return TimeUntil([&] { Click(kBackX, kBackY); }, colour);
    }

    std::optional<Clock::duration> TimeUntil(const std::function<void()>& action,
                                             const Rgb& colour) const {
        const auto start = Clock::now();
        action();
        if (!WaitForColour(colour, 20s))
            return std::nullopt;
        return Clock::now() - start;
    }

    std::vector<xcb_window_t> Dialogs() const {
        return m_windows.ViewableCaptioned(kPageDialogCaption);
    }
    std::optional<xcb_window_t> WaitForDialog(std::chrono::milliseconds limit) const {
        const auto dialogs = WaitFor([&] { return !Dialogs().empty(); }, limit);
        return dialogs ? std::optional(Dialogs().front()) : std::nullopt;
    }
    // Answers a dialog with Return, as a reader would; a dialog just mapped may not take the
    // focus yet, so Return is typed again for a while.
    bool Answer(xcb_window_t dialog) const {
        return WaitFor(
            [&] {
                if (!m_windows.IsViewable(dialog))
                    return true;
                m_input.TypeInto(dialog, "Return");
                return WaitFor([&] { return !m_windows.IsViewable(dialog); }, 1s);
            },
            20s);
    }

    // Clicks Quit and times the program's end; nullopt when it still runs after `limit`.
    std::optional<Clock::duration> Quit(std::chrono::milliseconds limit) {
        const auto start = Clock::now();
        Click(kQuitX, kQuitY);
        m_status = m_program->WaitForExit(limit);
        if (!m_status)
            return std::nullopt;
        return Clock::now() - start;
    }

    bool IsRunning() { return m_program->IsRunning(); }
    pid_t pid() const { return m_program->pid(); }
    std::optional<ExitStatus> status() const { return m_status; }
    std::string Output() const {
        std::ifstream log(m_log);
        std::ostringstream text;
        text << log.rdbuf();
        return text.str();
    }
    std::string State() {
        return std::string(IsRunning() ? "still running" : "ended") + "; output:\n" + Output();
    }

private:
    XvfbServer m_server;
    XClient m_client;
    WindowFinder m_windows;
    InputDriver m_input;
    ErrorReports m_reports;
    fs::path m_log;
    std::unique_ptr<ChildProcess> m_program;
    std::optional<ExitStatus> m_status;
    xcb_window_t m_window = XCB_WINDOW_NONE;
    Rect m_at;
};

// What a reader meets on each visit to a bad page once it shows. On the first visit the dialogs
// of the alert loop are answered as they come, and the memory hog is left to reach its bound; on
// later visits the alert loop's first dialog is left open, and the hog is left while it fills.
void Meet(Session& session, const BadPage& page, bool answerDialogs) {
    if (page.row == kAlertRow) {
        if (!answerDialogs) {
            ASSERT_TRUE(session.WaitForDialog(20s))
                << "no dialog from the alert loop; " << session.State();
            return;
        }
        int answered = 0;
        while (const auto dialog = session.WaitForDialog(answered == 0 ? 20s : 4s)) {
            ASSERT_LE(answered, 5) << "the alert loop is not stopped";
            ASSERT_TRUE(session.Answer(*dialog)) << "a dialog stays open after Return";
            ++answered;
        }
        EXPECT_EQ(answered, 3) << "dialogs shown before the page was stopped";
        return;
    }
    if (page.row == kHogRow && answerDialogs) {
        // The first time, the heap fills up to its bound and the engine ends the page's process,
        // saying so on the standard error; the reader chooses the next page after that.
        ASSERT_TRUE(WaitFor(
            [&] { return session.Output().find(kHeapLimitReport) != std::string::npos; }, 30s))
            << "the page's heap was not bounded; " << session.State();
        return;
    }
    if (page.row == kLeaveRow) {
        // A click in the page: the engine asks a page's beforeunload only once the reader has
        // used it.
        session.Click(kPageX, kPageY + 100);
    }
    // Long enough for the script to be at work: the loop spins, the heap fills.
    std::this_thread::sleep_for(1s);
}

class PageHostage : public ::testing::TestWithParam<BadPage> {};

TEST_P(PageHostage, TheGreenPageShowsAfterTheBadOneAndQuitEndsTheProgram) {
    const BadPage& page = GetParam();
    const HostageDisc disc;
    Session session(disc,
                    {"QTWEBENGINE_DISABLE_SANDBOX=1", "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu"});
    ASSERT_TRUE(session.Open());

    const auto baseline = session.ChooseAndWait(kGreenRow, kGreen);
    ASSERT_TRUE(baseline) << "green after the start page; " << session.State();

    // Twice: with the bad page's dialogs answered, then with its first dialog left open; the
    // reader leaves it first through the tree, then with Back (the page before it is the green
    // one).
    std::vector<Clock::duration> greenAfterBad;
    for (const bool firstVisit : {true, false}) {
        SCOPED_TRACE(firstVisit ? "first visit, leaving through the tree"
                                : "second visit, leaving with Back");
        ASSERT_TRUE(session.ChooseAndWait(page.row, page.colour))
            << page.name << " did not show; " << session.State();
        Meet(session, page, firstVisit);
        if (HasFatalFailure())
            return;
        const auto green =
            firstVisit ? session.ChooseAndWait(kGreenRow, kGreen) : session.BackAndWait(kGreen);
        ASSERT_TRUE(green) << "the green page did not show within 20 s after " << page.name
                           << "; colour " << session.PageColour().value_or(Rgb{}) << "; "
                           << session.State();
        greenAfterBad.push_back(*green);
        EXPECT_TRUE(WaitFor([&] { return session.Dialogs().empty(); }, 5s))
            << "a dialog of the page left stays open";
    }

    // Quit while the bad page is at its worst (for the alert loop: with its dialog open).
    ASSERT_TRUE(session.ChooseAndWait(page.row, page.colour)) << session.State();
    Meet(session, page, false);
    if (HasFatalFailure())
        return;
    const auto quit = session.Quit(15s);
    ASSERT_TRUE(quit) << "still running 15 s after Quit; " << session.State();
    EXPECT_EQ(*session.status(), ExitStatus::Exited(0)) << session.State();

    std::printf("[figures] %s: green page %.2f s after it through the tree, %.2f s with Back "
                "(after the start page: %.2f s; ratio %.1fx), Quit %.2f s\n",
                page.name, Seconds(greenAfterBad[0]), Seconds(greenAfterBad[1]), Seconds(*baseline),
                Seconds(greenAfterBad[0]) / Seconds(*baseline), Seconds(*quit));
}

INSTANTIATE_TEST_SUITE_P(BadPages, PageHostage, ::testing::ValuesIn(kBadPages),
                         [](const ::testing::TestParamInfo<BadPage>& info) {
                             return std::string(info.param.name);
                         });

// A page process killed from outside: the program runs on and shows the next entry chosen. The
// program is started as a reader starts it, with nothing of the engine in its environment: as
// root it must switch the sandbox off itself, and a program it launches inherits no switch of
// the engine.
TEST(PageProcess, KilledFromOutsideLeavesTheProgramRunning) {
    const HostageDisc disc;
    const bool root = ::geteuid() == 0;
    Session session(disc, root ? std::vector<std::string>{}
                               : std::vector<std::string>{"QTWEBENGINE_DISABLE_SANDBOX=1"});
    ASSERT_TRUE(session.Open());

    const fs::path environment = disc.disc().root() / "_html/hostage/environment.txt";
    session.Click(kButtonX, kButtonY);
    ASSERT_TRUE(
        WaitFor([&] { return fs::exists(environment) && fs::file_size(environment) > 0; }, 20s))
        << "the launch button's script wrote nothing; " << session.State();
    std::this_thread::sleep_for(200ms); // the script ends its one write
    std::ifstream written(environment);
    const std::string inherited((std::istreambuf_iterator<char>(written)), {});
    EXPECT_EQ(inherited.find("QTWEBENGINE_CHROMIUM_FLAGS"), std::string::npos) << inherited;
    if (root) {
        EXPECT_EQ(inherited.find("QTWEBENGINE_DISABLE_SANDBOX"), std::string::npos) << inherited;
    }

    const std::vector<pid_t> pages = PageProcesses(session.pid());
    ASSERT_FALSE(pages.empty()) << "no page process found; " << session.State();
    for (const pid_t page : pages)
        ::kill(page, SIGKILL);
    ASSERT_TRUE(WaitFor(
        [&] {
            for (const pid_t page : pages)
                if (Running(page))
                    return false;
            return true;
        },
        10s))
        << "the page process did not end";
    std::this_thread::sleep_for(500ms);
    ASSERT_TRUE(session.IsRunning())
        << "the program ended with its page process; " << session.State();

    const auto green = session.ChooseAndWait(kGreenRow, kGreen);
    ASSERT_TRUE(green) << "the green page did not show after the page process was killed; "
                       << session.State();
    const auto quit = session.Quit(15s);
    ASSERT_TRUE(quit) << "still running 15 s after Quit; " << session.State();
    EXPECT_EQ(*session.status(), ExitStatus::Exited(0)) << session.State();
    std::printf("[figures] KilledPageProcess: green page %.2f s after the kill, Quit %.2f s\n",
                Seconds(*green), Seconds(*quit));
}

} // namespace
} // namespace whole_program
