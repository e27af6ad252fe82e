#include "example_disc.h"
#include "tools/check/command_line.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using check_testing::ExampleDisc;

struct CheckRun {
    int status;
    std::string out;
    std::string err;
};

CheckRun RunWith(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = check::RunCheck(args, out, err);
    return {status, out.str(), err.str()};
}

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
        {"not a directory", [] {}, {file}, 2, false},
        {"no such directory", [] {}, {missing}, 2, false},
        {"no directory given", [] {}, {"--json"}, 2, false},
        {"two directories", [] {}, {menu, menu}, 2, false},
        {"unknown option", [] {}, {"--jsn", menu}, 2, false},
    };
    for (const auto& c : cases) {
        c.change();
        const CheckRun run = RunWith(c.args);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.err.empty(), c.quietErr) << c.name << ": " << run.err;
        if (c.status == 2) {
            EXPECT_EQ(run.out, "") << c.name;
        }
    }
}

TEST(CommandLine, UnreadableDirectoryIsStatusTwo) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every directory";
    ExampleDisc disc;
    const std::filesystem::path menu = disc.root() / "menu";
    std::filesystem::permissions(menu, std::filesystem::perms::none);
    const CheckRun run = RunWith({menu.string()});
    std::filesystem::permissions(menu, std::filesystem::perms::owner_all);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cannot be read"), std::string::npos) << run.err;
}

TEST(CommandLine, DotDirectoryFindsTheContentBesideIt) {
    ExampleDisc disc;
    const std::string dirs = (disc.root() / "menu/./../menu/.").string();
    const CheckRun run = RunWith({"--json", dirs});
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
