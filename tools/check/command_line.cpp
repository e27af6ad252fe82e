#include "tools/check/command_line.h"

#include "tools/check/disc_report.h"
#include "tools/check/json_report.h"
#include "tools/check/menu_dir.h"
#include "tools/check/text_report.h"

#include <optional>

namespace check {
namespace {

constexpr const char* kUsage = "usage: quilcd-check [--json] MENU_DIR\n";

constexpr const char* kHelp =
    "Reads a Quillore CD-ROM Browser disc the way the browser does and tells what the\n"
    "browser will show and what looks wrong.\n"
    "\n"
    "MENU_DIR is the directory the browser's executable lies in: it holds tree.txt,\n"
    "html.txt, button.txt and init.txt; the pages and button files are looked for in\n"
    "the directory _html beside it.\n"
    "\n"
    "The pages the disc shows are read too: every link, frame, picture, script and\n"
    "style sheet they follow or load is looked for as the browser looks for it.\n"
    "\n"
    "  --json      write one JSON object instead of text\n"
    "  -h, --help  show this help\n"
    "\n"
    "Each finding is an error (the browser fails, shows something wrong or loses part\n"
    "of the disc), a warning (the browser copes, but the disc is most likely not what\n"
    "was meant) or a note, and ends with its code in brackets: [missing-target].\n"
    "\n"
    "Exit status:\n"
    "  0  no error (warnings and notes allowed)\n"
    "  1  at least one error\n"
    "  2  MENU_DIR cannot be read (missing, not a directory, no permission), or bad usage\n";

struct Options {
    bool json = false;
    bool help = false;
    std::optional<std::string> menuDir;
};

// Nullopt on a usage error, which has been told on err.
std::optional<Options> Parse(const std::vector<std::string>& args, std::ostream& err) {
    Options options;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg == "--json") {
            options.json = true;
        } else if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            options.help = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            err << "quilcd-check: unknown option " << arg << "\n" << kUsage;
            return std::nullopt;
        } else if (options.menuDir) {
            err << "quilcd-check: one MENU_DIR only\n" << kUsage;
            return std::nullopt;
        } else {
            options.menuDir = arg;
        }
    }
    if (!options.help && !options.menuDir) {
        err << kUsage;
        return std::nullopt;
    }
    return options;
}

} // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<Options> options = Parse(args, err);
    if (!options)
        return kExitCannotRead;
    if (options->help) {
        out << kUsage << "\n" << kHelp;
        return kExitClean;
    }
    const MenuDir menu = DiscDirsFor(*options->menuDir);
    if (!menu.dirs) {
        err << "quilcd-check: " << menu.error << "\n";
        return kExitCannotRead;
    }
    const DiscReport report = BuildDiscReport(*menu.dirs);
    out << (options->json ? JsonReport(report) : TextReport(report));
    out.flush();
    return report.HasErrors() ? kExitProblems : kExitClean;
}

} // namespace check
