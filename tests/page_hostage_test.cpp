// No page takes the program hostage. On a disc of the test's own the reader opens a page whose
// script runs without end, one that fills its heap, one that opens alerts in a loop and one that
// objects to being left: after each the green entry must show, and Quit must end the program
// while the bad page is at its worst. A page process killed from outside leaves the program
// running. The test prints how long the green page took after each bad page, beside how long it
// took after the start page in the same run; a stress run repeats the cases:
//
//   build/tests/page_hostage_tests --gtest_repeat=10 | grep figures

#include "tests/support/disc_lists.h"
#include "tests/support/files.h"
#include "tests/support/session.h"
#include "tests/support/wait.h"
#include "tests/support/window_places.h"

#include <signal.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <thread>

namespace {
using namespace testkit;
using namespace std::chrono_literals;
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::string_view kPageDialogCaption = "ページからのメッセージ"; // pageview/page_dialog.h
// What the engine writes when a page's script heap reaches its bound.
constexpr std::string_view kHeapLimitReport = "Reached heap limit";

constexpr Rgb kStartColour{0x20, 0x40, 0xC0};
constexpr Rgb kGreen{0x00, 0xFF, 0x00};
constexpr int kGreenRow = 6; // under the heading: the start page, the four bad pages, green

// Each page fills the page area with its colour; the bad ones turn bad 300 ms after loading.
struct BadPage final {
    const char* name;
    Rgb colour;
    const char* script;
};
const BadPage kBadPages[] = {
    {"EndlessLoop", {0xFF, 0x00, 0x00}, "setTimeout(function(){for(;;){}},300);"},
    // Arrays of 800 kB up to 256 MB, four times the program's bound of a page's script heap, so
    // that a program without the bound fails here without taking the machine's memory.
    {"MemoryHog",
     {0xFF, 0x80, 0x00},
     "setTimeout(function(){var a=[];while(a.length<320)"
     "a.push(new Array(100000).fill(Math.random()));for(;;){}},300);"},
    {"AlertLoop",
     {0xFF, 0xFF, 0x00},
     "setTimeout(function(){for(var i=1;i<=1000;i++)alert('Alert '+i);},300);"},
    {"LeavePrompt",
     {0x00, 0xFF, 0xFF},
     "addEventListener('beforeunload',function(e){e.preventDefault();e.returnValue='Stay';});"},
};
int RowOf(const BadPage& page) { // gtest hands the test a copy of the table's entry
    const auto entry = std::find_if(std::begin(kBadPages), std::end(kBadPages),
                                    [&](const BadPage& bad) { return bad.name == page.name; });
    return static_cast<int>(entry - std::begin(kBadPages)) + 2;
}
void PrintTo(const BadPage& page, std::ostream* out) {
    *out << page.name;
}

std::string Page(const Rgb& colour, const std::string& script = {}) {
    char background[8];
    std::snprintf(background, sizeof background, "#%02X%02X%02X", colour.red, colour.green,
                  colour.blue);
    return std::string("<html><body style=\"margin:0;height:100%;background:") + background +
           "\"><p>page</p><script>" + script + "</script></body></html>";
}

// Under one heading the start page, the bad pages and the green one. A node without a line in
// button.txt shows no page, so every node has one, empty but the start page's: its one button
// writes the environment a launched program inherits.
void WriteHostageDisc(const DiscCopy& disc) {
    std::vector<ListEntry> entries{{"Pages"}, {"\tStart", "start.htm", "start.txt"}};
    for (const BadPage& page : kBadPages) {
        entries.push_back({std::string("\t") + page.name, std::string(page.name) + ".htm"});
        disc.write(std::string("_html/") + page.name + ".htm", Page(page.colour, page.script));
    }
    entries.push_back({"\tGreen", "green.htm"});
    WriteLists(disc.root(), entries);
    disc.write("_html/start.htm", Page(kStartColour));
    disc.write("_html/green.htm", Page(kGreen));
    disc.write("_html/start.txt", "Environment\r\nenvironment.sh\r\n");
    fs::permissions(disc.write("_html/environment.sh",
                               "#!/bin/sh\nenv > environment.tmp && mv environment.tmp "
                               "environment.txt\n"),
                    fs::perms::owner_all);
}

// A process's state letter and parent as /proc tells them (state 0 when it is gone).
std::pair<char, pid_t> StateAndParent(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(std::min(line.size(), line.rfind(')') + 1)));
    char state = 0;
    pid_t parent = 0;
    fields >> state >> parent;
    return {state, parent};
}
bool Running(pid_t pid) { // an ended process stays a zombie until its parent collects it
    const char state = StateAndParent(pid).first;
    return state != 0 && state != 'Z' && state != 'X';
}

// The page processes: forked by the program's zygote processes, whose command line they keep.
std::vector<pid_t> PageProcesses(pid_t program) {
    std::map<pid_t, pid_t> parents;
    for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") == std::string::npos)
            parents[std::stoi(name)] = StateAndParent(std::stoi(name)).second;
    }
    std::vector<pid_t> pages;
    for (const auto& [pid, parent] : parents) {
        const auto grandparent = parents.find(parent);
        if (grandparent == parents.end() || grandparent->second != program)
            continue;
        std::ifstream cmdline("/proc/" + std::to_string(parent) + "/cmdline");
        const std::string command((std::istreambuf_iterator<char>(cmdline)), {});
        if (command.find("--type=zygote") != std::string::npos)
            pages.push_back(pid);
    }
    return pages;
}

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// The program on the disc, and what a reader does with it, timed until the page area shows a
// colour.
class HostageRun final {
public:
    HostageRun() : m_session(1024, 768, DiscCopy::Content::Nothing) {
        WriteHostageDisc(m_session.disc());
    }
    Session& session() { return m_session; }

    // The main window, usable, showing the start page.
    ::testing::AssertionResult Open() {
        if (const auto usable = m_session.WaitForMainWindow(60s, Session::Ready::Usable); !usable)
            return usable;
        if (!TimeUntil([] {}, kStartColour))
            return ::testing::AssertionFailure() << "the start page did not show; " << State();
        return ::testing::AssertionSuccess();
    }

    void Click(QPoint point) const { m_session.Click(point); }
    std::optional<Rgb> PageColour() const { return m_session.Pixel(places::kPage); }
    // Does what the reader does and times it until the page area shows `colour`.
    std::optional<Clock::duration> TimeUntil(const std::function<void()>& action,
                                             const Rgb& colour) const {
        const auto start = Clock::now();
        action();
        if (!WaitFor([&] { return PageColour() == colour; }, 20s))
            return std::nullopt;
        return Clock::now() - start;
    }
    std::optional<Clock::duration> Choose(int row, const Rgb& colour) const {
        return TimeUntil([&] { Click(places::TreeRow(row)); }, colour);
    }

    std::vector<xcb_window_t> Dialogs() const {
        return m_session.windows().ViewableCaptioned(kPageDialogCaption);
    }
    std::optional<xcb_window_t> WaitForDialog(std::chrono::milliseconds limit) const {
        return WaitFor([&] { return !Dialogs().empty(); }, limit) ? std::optional(Dialogs().front())
                                                                  : std::nullopt;
    }
    // Answers a dialog with Return; one just mapped may not take the focus yet, so again and
    // again for a while.
    bool Answer(xcb_window_t dialog) const {
        return WaitFor(
            [&] {
                m_session.input().TypeInto(dialog, "Return");
                return WaitFor([&] { return !m_session.windows().IsViewable(dialog); }, 1s);
            },
            20s);
    }

    // Clicks Quit: how long until the program ended, and how; nullopt when it still runs.
    std::optional<std::pair<Clock::duration, ExitStatus>> Quit() {
        const auto start = Clock::now();
        Click(places::Button(skin::Glyph::Quit));
        const auto status = m_session.program().WaitForExit(15s);
        if (!status)
            return std::nullopt;
        return std::pair(Clock::now() - start, *status);
    }

    std::string Output() { return m_session.program().Output(); }
    std::string State() { return m_session.State(); }

private:
    Session m_session;
};

// What a reader meets on a bad page once it shows. On the first visit the alert loop's dialogs
// are answered as they come and the memory hog is left to reach its bound; on later visits the
// first dialog is left open and the hog is left while it fills.
void Meet(HostageRun& run, const BadPage& page, bool firstVisit) {
    const std::string_view name = page.name;
    if (name == "AlertLoop") {
        if (!firstVisit) {
            ASSERT_TRUE(run.WaitForDialog(20s)) << "no dialog; " << run.State();
            return;
        }
        int answered = 0;
        while (const auto dialog = run.WaitForDialog(answered == 0 ? 20s : 4s)) {
            ASSERT_LE(answered, 5) << "the alert loop is not stopped";
            ASSERT_TRUE(run.Answer(*dialog)) << "a dialog stays open after Return";
            ++answered;
        }
        EXPECT_EQ(answered, 3) << "dialogs shown before the page was stopped";
        return;
    }
    if (name == "MemoryHog" && firstVisit) {
        ASSERT_TRUE(
            WaitFor([&] { return run.Output().find(kHeapLimitReport) != std::string::npos; }, 30s))
            << "the page's heap was not bounded; " << run.State();
        return;
    }
    // A click in the page: the engine asks a page's beforeunload only once the reader used it.
    run.Click(places::kPage);
    std::this_thread::sleep_for(1s); // the script is at work: the loop spins, the heap fills
}

class PageHostage : public ::testing::TestWithParam<BadPage> {};

TEST_P(PageHostage, TheGreenPageShowsAfterTheBadOneAndQuitEndsTheProgram) {
    const BadPage& page = GetParam();
    HostageRun run;
    run.session().Start();
    ASSERT_TRUE(run.Open());
    const auto baseline = run.Choose(kGreenRow, kGreen);
    ASSERT_TRUE(baseline) << "green after the start page; " << run.State();

    // The reader leaves the bad page first through the tree, then with Back (to the green page
    // before it), the second time with the alert loop's dialog open.
    std::vector<double> greenAfter;
    for (const bool firstVisit : {true, false}) {
        SCOPED_TRACE(firstVisit ? "leaving through the tree" : "leaving with Back");
        ASSERT_TRUE(run.Choose(RowOf(page), page.colour)) << run.State();
        Meet(run, page, firstVisit);
        if (HasFatalFailure())
            return;
        const auto green =
            firstVisit
                ? run.Choose(kGreenRow, kGreen)
                : run.TimeUntil([&] { run.Click(places::Button(skin::Glyph::Back)); }, kGreen);
        ASSERT_TRUE(green) << "no green page within 20 s; colour "
                           << run.PageColour().value_or(Rgb{}) << "; " << run.State();
        greenAfter.push_back(Seconds(*green));
        EXPECT_TRUE(WaitFor([&] { return run.Dialogs().empty(); }, 5s))
            << "a dialog of the page left stays open";
    }

    // Quit while the bad page is at its worst (the alert loop with its dialog open).
    ASSERT_TRUE(run.Choose(RowOf(page), page.colour)) << run.State();
    Meet(run, page, false);
    if (HasFatalFailure())
        return;
    const auto quit = run.Quit();
    ASSERT_TRUE(quit) << "still running 15 s after Quit; " << run.State();
    EXPECT_EQ(quit->second, ExitStatus::Exited(0)) << run.State();
    std::printf("[figures] %s: green page %.2f s after it through the tree, %.2f s with Back "
                "(after the start page: %.2f s; ratio %.1fx), Quit %.2f s\n",
                page.name, greenAfter[0], greenAfter[1], Seconds(*baseline),
                greenAfter[0] / Seconds(*baseline), Seconds(quit->first));
}

INSTANTIATE_TEST_SUITE_P(BadPages, PageHostage, ::testing::ValuesIn(kBadPages),
                         [](const ::testing::TestParamInfo<BadPage>& info) {
                             return std::string(info.param.name);
                         });

// A page process killed from outside: the program runs on and shows the next entry chosen. It is
// started with nothing of the engine in its environment: as root it switches the sandbox off
// itself, and what it launches inherits no switch of the engine.
TEST(PageProcess, KilledFromOutsideLeavesTheProgramRunning) {
    HostageRun run;
    Session& session = run.session();
    const bool root = ::geteuid() == 0;
    session.Start(ProgramStart{{session.disc().program().string()},
                               session.display(),
                               root ? std::vector<std::string>{}
                                    : std::vector<std::string>{"QTWEBENGINE_DISABLE_SANDBOX=1"},
                               false});
    ASSERT_TRUE(run.Open());

    const fs::path written = session.disc().root() / "_html/environment.txt";
    run.Click(places::LaunchButton(0, 1));
    ASSERT_TRUE(WaitFor([&] { return fs::exists(written); }, 20s))
        << "the launch button's script wrote nothing; " << run.State();
    const std::string inherited = ReadFile(written);
    EXPECT_EQ(inherited.find("QTWEBENGINE_CHROMIUM_FLAGS"), std::string::npos) << inherited;
    EXPECT_TRUE(!root || inherited.find("QTWEBENGINE_DISABLE_SANDBOX") == std::string::npos)
        << inherited;

    const std::vector<pid_t> pages = PageProcesses(session.program().process().pid());
    ASSERT_FALSE(pages.empty()) << "no page process found; " << run.State();
    for (const pid_t page : pages)
        ::kill(page, SIGKILL);
    ASSERT_TRUE(WaitFor([&] { return std::none_of(pages.begin(), pages.end(), Running); }, 10s))
        << "the page process did not end";

    // The next entry the reader chooses shows, by a program that took the loss in its stride.
    const auto green = run.Choose(kGreenRow, kGreen);
    ASSERT_TRUE(green) << "no green page after the kill; " << run.State();
    ASSERT_TRUE(session.program().IsRunning()) << "ended with its page process; " << run.State();
    const auto quit = run.Quit();
    ASSERT_TRUE(quit) << "still running 15 s after Quit; " << run.State();
    EXPECT_EQ(quit->second, ExitStatus::Exited(0)) << run.State();
    std::printf("[figures] KilledPageProcess: green page %.2f s after the kill, Quit %.2f s\n",
                Seconds(*green), Seconds(quit->first));
}

} // namespace
