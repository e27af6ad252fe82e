#include "check_run.h"
#include "content/tests/hostile_discs.h"
#include "example_disc.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using check_testing::Check;
using check_testing::CheckRun;

using check_testing::ExampleDisc;

TEST(CommandLine, ExitStatusTellsErrorsFromAnUnreadableDirectory) {
    ExampleDisc disc;
    const std::string menu = (disc.root() / "menu").string();
    const std::string file = (disc.root() / "menu/tree.txt").string();
    const std::string missing = (disc.root() / "nothing").string();
    const struct {
        const char* name;
        std::function<void()> change;
        std::vector<std::string> args;
        int status;
        bool quietErr;
    } cases[] = {
        {"clean disc, a warning only", [] {}, {menu}, 0, true},
        {"clean disc as JSON", [] {}, {"--json", menu}, 0, true},
        {"trailing slashes", [] {}, {menu + "//"}, 0, true},
        {"help", [] {}, {"--help"}, 0, true},
        {"an error", [&] { disc.remove("_html/feature/talk.htm"); }, {menu}, 1, true},
        {"a file that is no disc image", [] {}, {file}, 2, false},
        {"no such directory", [] {}, {missing}, 2, false},
        {"no directory given", [] {}, {"--json"}, 2, false},
        {"two directories", [] {}, {menu, menu}, 2, false},
        {"unknown option", [] {}, {"--jsn", menu}, 2, false},
    };
    for (const auto& c : cases) {
        c.change();
        const CheckRun run = Check(c.args);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.err.empty(), c.quietErr) << c.name << ": " << run.err;
        if (c.status == 2) {
            EXPECT_EQ(run.out, "") << c.name;
        }
    }
}

const std::string kUsage =
    "usage: quilcd-check [--format text|json|csv|html] [--ignore CODE] [--ignore-path GLOB]\n"
    "                    [--config FILE] MENU_DIR|IMAGE\n";

TEST(CommandLine, UsageErrorsAndHelpAreToldExactly) {
    ExampleDisc disc;
    const std::string menu = (disc.root() / "menu").string();
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"--jsn", menu}, 2, "quilcd-check: unknown option --jsn\n" + kUsage},
        {{menu, "-x"}, 2, "quilcd-check: unknown option -x\n" + kUsage},
        {{menu, menu}, 2, "quilcd-check: one MENU_DIR or IMAGE only\n" + kUsage},
        {{"--format", "xml", menu},
         2,
         "quilcd-check: unknown format xml (text, json, csv or html)\n" + kUsage},
        {{"--json", "--format=csv", menu}, 2, "quilcd-check: one format only\n" + kUsage},
        {{menu, "--ignore"}, 2, "quilcd-check: --ignore needs a value\n" + kUsage},
        {{"--ignore=missing_target", menu},
         2,
         "quilcd-check: unknown code missing_target (see quilcd-check --help for where the "
         "codes are listed)\n" +
             kUsage},
        {{}, 2, kUsage},
        {{"--json"}, 2, kUsage},
        // After "--" nothing is an option: "--json" is a directory's name.
        {{"--", "--json"}, 2, "quilcd-check: --json: No such file or directory\n"},
        {{"--json", "--", menu, "--"}, 2, "quilcd-check: one MENU_DIR or IMAGE only\n" + kUsage},
    };
    for (const auto& c : cases) {
        const CheckRun run = Check(c.args);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out, "") << c.err;
    }
    EXPECT_EQ(Check({"--json", "--", menu}).status, 0);
    EXPECT_EQ(Check({"--format=json", "--json", "--ignore", "utf8-bom", menu}).status, 0);

    for (const char* help : {"-h", "--help"}) {
        const CheckRun run = Check({help});
        EXPECT_EQ(run.status, 0) << help;
        EXPECT_EQ(run.err, "") << help;
        EXPECT_TRUE(run.out.starts_with(kUsage + "\nReads a Quillore CD-ROM Browser disc the way "
                                                 "the browser does"))
            << run.out;
        EXPECT_TRUE(run.out.ends_with("no permission, no menu), a silencing file is wrong, or bad "
                                      "usage\n"))
            << run.out;
    }
}

// Inputs that fail for every user, root included, as CI runs the tests; permissions only stop
// the others.
TEST(CommandLine, UnreadableMenuDirectoryIsToldExactly) {
    ExampleDisc disc;
    const std::filesystem::path root = disc.root();
    hostile_discs::MakeFifo(root / "fifo");
    std::filesystem::create_symlink("loop", root / "loop");
    struct Case {
        std::string dir;
        std::string says;
    };
    std::vector<Case> cases = {
        {(root / "menu/tree.txt/menu").string(), "Not a directory"},
        {(root / "menu/tree.txt").string(), "not an ISO 9660 disc image"},
        {(root / "fifo").string(), "not a directory"},
        {(root / "loop").string(), "Too many levels of symbolic links"},
        {(root / "nothing").string(), "No such file or directory"},
    };
    const std::filesystem::path closed = root / "menu";
    if (::geteuid() != 0) {
        std::filesystem::permissions(closed, std::filesystem::perms::none);
        cases.push_back({closed.string(), "cannot be read: Permission denied"});
    }
    for (const Case& c : cases) {
        const CheckRun run = Check({c.dir});
        EXPECT_EQ(run.status, 2) << c.dir;
        EXPECT_EQ(run.err, "quilcd-check: " + c.dir + ": " + c.says + "\n");
        EXPECT_EQ(run.out, "") << c.dir;
    }
    std::filesystem::permissions(closed, std::filesystem::perms::owner_all);
}

TEST(CommandLine, DotDirectoryFindsTheContentBesideIt) {
    ExampleDisc disc;
    const std::string dirs = (disc.root() / "menu/./../menu/.").string();
    const CheckRun run = Check({"--json", dirs});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\"htmlDir\": \"" + disc.dirs().htmlDir + "\""), std::string::npos)
        << run.out;
}

// Runs the built executable; returns its exit status and what it wrote on stdout.
std::pair<int, std::string> RunProcess(const std::string& arguments) {
    const std::string command = std::string(QUILCD_CHECK_EXE) + " " + arguments + " 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return {-1, ""};
    std::string out;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        out.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

TEST(CommandLine, ExecutableWritesOneJsonObjectAndExitsByTheFindings) {
    ExampleDisc disc;
    // A Japanese node text whose second byte is 0x5C, and a control character in a caption.
    disc.write("menu/tree.txt",
               "Feature\r\n\t\x83\x5C\x83t\x83g\r\n\tInterview\r\nSoftware\r\n\tUtilities\r\n");
    disc.write("_html/feature/cover.txt", "Install\x01it\r\nfeature\\readme.txt\r\n");
    const std::string menu = "'" + (disc.root() / "menu").string() + "'";

    const auto [status, out] = RunProcess("--json " + menu);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out.front(), '{');
    EXPECT_EQ(out.substr(out.size() - 2), "}\n");
    EXPECT_NE(out.find("{\"index\": 1, \"level\": 1, \"text\": \"ソフト\", \"kind\": \"entry\"}"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("\"caption\": \"Install\\u0001it\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"start\": {\"node\": 1}"), std::string::npos) << out;

    disc.remove("menu/init.txt");
    EXPECT_EQ(RunProcess("--json " + menu).first, 1);
    EXPECT_EQ(RunProcess("--json " + menu + "/tree.txt").first, 2);
}

} // namespace
