// The checker's executable on discs no editor should make: it must end, exit with 0 or 1, write
// one valid JSON object, and point an editor at each planted fault by file and line.

#include "content/tests/hostile_discs.h"
#include "hostile_pages.h"
#include "tests/support/temp_folder.h"
#include "timed_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <ostream>
#include <set>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Line 0 is a finding on the whole file (null in the report); kAnyLine matches every line.
constexpr int kWholeFile = 0;
constexpr int kAnyLine = -1;

// Far beyond any of these discs' checks, even under the sanitizers on a busy machine (the 100 MB
// page's parse alone is a few seconds of processor time): only a hang reaches it.
constexpr std::chrono::seconds kHangLimit{300};

// A finding the report must hold (or must not): file nullptr matches any file; `says` is part
// of its message.
struct Finding {
    const char* severity;
    const char* file;
    int line;
    std::string says;
};

std::ostream& operator<<(std::ostream& out, const Finding& f) {
    return out << f.severity << " " << (f.file ? f.file : "(any file)") << ":"
               << (f.line == kAnyLine ? "(any line)" : std::to_string(f.line)) << " \"" << f.says
               << "\"";
}

// One entry of the report's "problems": a null file or line stays unset.
struct ReportProblem {
    std::string severity;
    std::optional<std::string> file;
    std::optional<int> line;
    std::string message;
};

std::vector<ReportProblem> ProblemsOf(const nlohmann::json& report) {
    std::vector<ReportProblem> problems;
    for (const nlohmann::json& p : report.at("problems")) {
        const nlohmann::json& file = p.at("file");
        const nlohmann::json& line = p.at("line");
        problems.push_back({p.at("severity"),
                            file.is_null() ? std::nullopt : std::optional(file.get<std::string>()),
                            line.is_null() ? std::nullopt : std::optional(line.get<int>()),
                            p.at("message")});
    }
    return problems;
}

bool Matches(const ReportProblem& problem, const Finding& finding) {
    return problem.severity == finding.severity &&
           (finding.file == nullptr || problem.file == std::optional<std::string>(finding.file)) &&
           (finding.line == kAnyLine || problem.line.value_or(kWholeFile) == finding.line) &&
           problem.message.find(finding.says) != std::string::npos;
}

std::string Listed(const std::vector<ReportProblem>& problems) {
    std::string text;
    for (std::size_t i = 0; i < problems.size() && i < 40; ++i) {
        const ReportProblem& p = problems[i];
        text += "  " + p.severity + " " + p.file.value_or("-") + ":" +
                (p.line ? std::to_string(*p.line) : "-") + " " + p.message.substr(0, 160) + "\n";
    }
    if (problems.size() > 40)
        text += "  ... " + std::to_string(problems.size() - 40) + " more\n";
    return text;
}

std::size_t LinesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return static_cast<std::size_t>(
        std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n'));
}

constexpr int kLevelErrorNodes = hostile_discs::kDeepLevelErrorLine - 1;

struct CheckCase {
    const char* name;
    void (*build)(const fs::path& root);
    std::set<int> statuses;
    // The nodes the report's tree must hold: the lines of tree.txt the browser builds nodes from.
    std::function<std::size_t(const fs::path& root)> nodes;
    std::vector<Finding> present;
    std::vector<Finding> absent;
};

void PrintTo(const CheckCase& test, std::ostream* out) {
    *out << test.name;
}

std::function<std::size_t(const fs::path&)> Nodes(std::size_t count) {
    return [count](const fs::path&) {
        return count;
    };
}

std::size_t TreeLines(const fs::path& root) {
    return LinesOf(root / "menu/tree.txt");
}

const CheckCase kCases[] = {
    {"HugeTree",
     hostile_discs::HugeTree,
     {1},
     TreeLines,
     {{"error", "button.txt", kWholeFile, "cannot be opened"},
      {"error", "html.txt", kWholeFile, "not read and there is no open.htm"}},
     {}},
    {"MillionLines",
     hostile_discs::MillionLines,
     {0},
     Nodes(hostile_discs::kMillionLines),
     // Line 1002 is the second page line (node 1001) and names the page of line 2 again.
     {{"note", "html.txt", 1002, "same page as line 2"}},
     {}},
    // Nothing is wrong with it but its depth, which is no fault: not even a warning.
    {"ThreeThousandLevelsDeep",
     hostile_discs::Deep,
     {0},
     Nodes(hostile_discs::kDeepLevels),
     {},
     {{"warning", nullptr, kAnyLine, ""}}},
    {"LevelErrorBelowThreeThousandLevels",
     hostile_discs::DeepWithLevelError,
     {1},
     Nodes(kLevelErrorNodes),
     {{"error", "tree.txt", hostile_discs::kDeepLevelErrorLine, "two or more levels deeper"}},
     {}},
    // The pages its random html.txt lines name do not exist.
    {"RandomBytes",
     hostile_discs::RandomBytes,
     {1},
     Nodes(hostile_discs::kRandomLines),
     {{"error", "html.txt", kAnyLine, "is missing"}},
     {}},
    // Every other node is an empty line the CR adds: told once for the file, not node by node.
    {"LfCrLineEnds",
     hostile_discs::LfCrLineEnds,
     {1},
     Nodes(2 * hostile_discs::kLfCrEntries),
     {{"error", "tree.txt", 2, "LF CR line ends (" + std::to_string(hostile_discs::kLfCrEntries)}},
     {{"warning", "tree.txt", kAnyLine, "blank line"}}},
    {"InvalidShiftJis",
     hostile_discs::InvalidShiftJis,
     {1},
     Nodes(4),
     {{"warning", "tree.txt", 1, "not Shift-JIS"},
      {"warning", "tree.txt", 2, "not Shift-JIS"},
      {"warning", "tree.txt", 3, "not Shift-JIS"},
      {"warning", "button.txt", 2, "not Shift-JIS"},
      {"warning", "button.txt", 4, "not Shift-JIS"},
      {"warning", "html.txt", 2, "not Shift-JIS"},
      {"warning", "html.txt", 4, "not Shift-JIS"},
      {"warning", "init.txt", 1, "not Shift-JIS"},
      {"warning", "b.txt", 1, "not Shift-JIS"},
      {"warning", "b.txt", 2, "not Shift-JIS"},
      {"error", "html.txt", 2, "is missing"}},
     // ソフト is Shift-JIS, though its first character ends in the backslash's byte.
     {{"warning", "tree.txt", 4, "not Shift-JIS"}}},
    {"NulInTheFirstTreeLine",
     hostile_discs::NulInTree,
     {1},
     Nodes(1),
     {{"error", "tree.txt", 1, "NUL"}},
     {}},
    {"TreeTxtIsADirectory",
     hostile_discs::TreeIsDirectory,
     {1},
     Nodes(0),
     {{"error", "tree.txt", kWholeFile, "cannot be opened"}},
     {}},
    {"HtmlTxtIsAFifo",
     hostile_discs::HtmlIsFifo,
     {1},
     Nodes(3),
     {{"error", "html.txt", kWholeFile, "cannot be opened"}},
     {}},
    {"SymlinkLoopInTheContentDirectory",
     hostile_discs::SymlinkLoop,
     {1},
     Nodes(3),
     {{"error", "html.txt", 2, "is missing"}, {"warning", "button.txt", 2, "is missing"}},
     {{"error", "html.txt", 3, "is missing"}}},
    {"NoContentDirectory",
     hostile_discs::MissingHtml,
     {1},
     Nodes(3),
     {{"error", "html.txt", 2, "is missing"}, {"error", "html.txt", 3, "is missing"}},
     {}},
    {"ButtonFilesOfEveryLength",
     hostile_discs::ButtonFiles,
     {0},
     Nodes(8),
     {{"warning", "b0.txt", kWholeFile, "yields no button"},
      {"warning", "b1.txt", 1, "no target line"},
      {"warning", "b23.txt", 23, "no target line"},
      {"warning", "b25.txt", 25, "are ignored"},
      {"warning", "b10000.txt", 25, "lines 25 to 10000 are ignored"}},
     {{"warning", "b24.txt", kAnyLine, "are ignored"},
      {"warning", "b24.txt", kAnyLine, "no target line"}}},
    // Every target exists under its odd name: none may be reported missing.
    {"LaunchTargetsWithShellCharacters",
     hostile_discs::LaunchDisc,
     {0},
     Nodes(1),
     {},
     {{"warning", nullptr, kAnyLine, "does not exist"}}},
    // Pages: a reader's view must not take the checker hostage either.
    {"HundredMegabytePage",
     hostile_pages::HugePage,
     {1},
     Nodes(1),
     {{"error", "index.htm", kAnyLine, "a href \"broken.htm\": no such file"}},
     {{"error", "index.htm", kAnyLine, "good.htm"}}},
    {"HundredThousandLinksOnOnePage",
     hostile_pages::ManyLinks,
     {1},
     Nodes(1),
     {{"error", "index.htm", 2, "a href \"broken.htm\": no such file"}},
     {{"error", "index.htm", 1, ""}}},
    {"FramesInFramesInACycle",
     hostile_pages::DeepFrameCycle,
     {0},
     Nodes(1),
     {{"warning", "f300.htm", 2, "img src \"broken.gif\""},
      {"warning", "f1.htm", 1, "frame src \"index.htm\": loads a page html.txt lists"}},
     {{"note", "f150.htm", kAnyLine, "no listed page"}}},
    {"BadBytesFifoAndLinkLoopAsPages",
     hostile_pages::BadBytesAndOddFiles,
     {1},
     Nodes(1),
     {{"error", "index.htm", 2, "a href \"broken.htm\""},
      {"warning", "nul.htm", kWholeFile, "NUL bytes"},
      {"error", "index.htm", 3, "a href \"fifo.htm\": cannot be loaded"},
      {"error", "index.htm", 3, "a href \"loop.htm\": cannot be loaded"}},
     {}},
    {"PageNestedTwoHundredThousandDeep",
     hostile_pages::DeepNesting,
     {0},
     Nodes(1),
     {{"note", "index.htm", kWholeFile, "the HTML parser gave up on it"}},
     {}},
};

class HostileDiscCheck : public testing::TestWithParam<CheckCase> {};

TEST_P(HostileDiscCheck, EndsWithOneJsonReportNamingEachPlantedFault) {
    const CheckCase& test = GetParam();
    const testkit::TempDisc disc;
    test.build(disc.root());

    const check_testing::TimedRun run =
        check_testing::RunWithLimit(QUILCD_CHECK_EXE, {"--json", disc.programDir()}, kHangLimit);
    ASSERT_TRUE(run.finished) << "still running after " << kHangLimit.count() << " s";
    ASSERT_TRUE(run.exited) << "ended by signal " << run.signal;
    EXPECT_TRUE(test.statuses.contains(run.status)) << "exit status " << run.status;

    // One JSON object and nothing after it, in UTF-8: nlohmann's parser refuses anything else.
    nlohmann::json report;
    try {
        report = nlohmann::json::parse(run.out);
    } catch (const nlohmann::json::parse_error& e) {
        FAIL() << "not one JSON text: " << e.what() << "; it begins:\n" << run.out.substr(0, 300);
    }
    ASSERT_TRUE(report.is_object() && report.contains("problems")) << run.out.substr(0, 300);
    if (test.nodes) {
        EXPECT_EQ(report.at("tree").size(), test.nodes(disc.root()));
    }
    const std::vector<ReportProblem> problems = ProblemsOf(report);
    for (const Finding& finding : test.present) {
        EXPECT_TRUE(std::any_of(problems.begin(), problems.end(),
                                [&](const ReportProblem& p) { return Matches(p, finding); }))
            << "not reported: " << finding << "\nthe report's problems:\n"
            << Listed(problems);
    }
    for (const Finding& finding : test.absent) {
        EXPECT_FALSE(std::any_of(problems.begin(), problems.end(),
                                 [&](const ReportProblem& p) { return Matches(p, finding); }))
            << "reported: " << finding << "\nthe report's problems:\n"
            << Listed(problems);
    }
}

INSTANTIATE_TEST_SUITE_P(Discs, HostileDiscCheck, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CheckCase>& info) {
                             return std::string(info.param.name);
                         });

// A MENU_DIR that cannot be read as a directory at all: status 2, within the bound, and nothing
// on stdout for a JSON reader to misread.
TEST(HostileDiscCheck, UnreadableMenuDirectoryIsStatusTwo) {
    const struct {
        const char* name;
        void (*make)(const fs::path& menu);
    } cases[] = {
        {"a symbolic link to itself",
         [](const fs::path& menu) {
             fs::create_symlink("menu", menu);
         }},
        {"a FIFO",
         [](const fs::path& menu) {
             hostile_discs::MakeFifo(menu);
         }},
        {"missing",
         [](const fs::path&) {
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const testkit::TempDisc disc;
        const fs::path menu = disc.root() / "menu";
        fs::remove_all(menu);
        c.make(menu);
        const check_testing::TimedRun run =
            check_testing::RunWithLimit(QUILCD_CHECK_EXE, {"--json", menu.string()}, 10s);
        ASSERT_TRUE(run.finished) << "still running after 10 s";
        EXPECT_TRUE(run.exited && run.status == 2)
            << "status " << run.status << ", signal " << run.signal;
        EXPECT_EQ(run.out, "");
    }
}

} // namespace
