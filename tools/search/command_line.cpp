#include "tools/search/command_line.h"

#include "app/common/disc_location.h"
#include "search/disc_search.h"
#include "search/index_place.h"
#include "tools/open/disc_opening.h"
#include "tools/search/disc_lists.h"
#include "tools/search/result_output.h"

#include <optional>

namespace search_tool {
namespace {

constexpr const char* kUsage = "usage: quilcd-search [--json] MENU_DIR WORD...\n";

constexpr const char* kHelp =
    "Searches the pages of a Quillore CD-ROM Browser disc for words, as the browser's\n"
    "own search does, and prints one line per page that holds them all:\n"
    "  page: title — snippet\n"
    "\n"
    "MENU_DIR is the disc's menu directory (tree.txt, html.txt, button.txt beside\n"
    "_html), a folder holding a copied or mounted disc, or a disc image (.iso, .cue,\n"
    "raw .bin), which is opened through quilcd-open's cache.\n"
    "\n"
    "Every page the disc shows is searched: the pages html.txt lists, open.htm and\n"
    "each page their links and frames reach. Only the text a reader sees counts;\n"
    "width and case are folded (ｿﾌﾄ finds ソフト, windows finds ＷＩＮＤＯＷＳ), and a\n"
    "word is found inside longer text. Every WORD must appear on a page.\n"
    "\n"
    "The first search reads the pages and keeps their text in the cache\n"
    "($XDG_CACHE_HOME/quilcd/search/); later ones read only that, until the disc\n"
    "changes.\n"
    "\n"
    "  --json      write one JSON object: {\"results\": [{\"page\", \"title\", \"entry\",\n"
    "              \"snippet\"}], \"pages\", \"skipped\"}\n"
    "  -h, --help  show this help\n"
    "\n"
    "Exit status:\n"
    "  0  at least one page holds every word\n"
    "  1  no page does\n"
    "  2  bad usage, or the disc cannot be read\n";

struct Options {
    bool json = false;
    bool help = false;
    std::optional<std::string> menuDir;
    std::vector<std::string> words;
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
            err << "quilcd-search: unknown option " << arg << "\n" << kUsage;
            return std::nullopt;
        } else if (!options.menuDir) {
            options.menuDir = arg;
        } else {
            options.words.push_back(arg);
        }
    }
    if (!options.help && (!options.menuDir || options.words.empty())) {
        err << kUsage;
        return std::nullopt;
    }
    return options;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

} // namespace

int RunSearch(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const std::string& cacheRoot) {
    const std::optional<Options> options = Parse(args, err);
    if (!options)
        return kExitCannot;
    if (options->help) {
        out << kUsage << "\n" << kHelp;
        return kExitFound;
    }
    const search::Query query = search::ParseQuery(Joined(options->words));
    if (query.state == search::Query::State::TooLong) {
        err << "quilcd-search: the words are longer than " << search::kLongestQuery
            << " characters\n";
        return kExitCannot;
    }
    if (!query.Usable())
        return kExitNone; // only spaces: nothing to look for, nothing found

    std::string programDir;
    try {
        programDir = disc_image::OpenDisc(*options->menuDir, cacheRoot).programDir;
    } catch (const std::exception& error) {
        err << "quilcd-search: " << error.what() << "\n";
        return kExitCannot;
    }
    const content::DiscDirs dirs{programDir, common::HtmlDirOf(programDir, '/')};
    DiscLists lists = ReadDiscLists(dirs);
    const search::IndexPlace place = search::IndexPlaceFor(dirs, cacheRoot);
    const search::DiscSearch disc(dirs, std::move(lists.htmlList), place.path);
    const search::SearchOutcome outcome = disc.Run(query);

    out << (options->json ? JsonResults(outcome, lists.tree) : TextResults(outcome));
    out.flush();
    if (outcome.skipped > 0)
        err << "quilcd-search: " << outcome.skipped << (outcome.skipped == 1 ? " page" : " pages")
            << " could not be read (unreadable, binary or not HTML the parser takes) and "
            << (outcome.skipped == 1 ? "was" : "were") << " not searched\n";
    const std::string problem = place.path.empty() ? place.problem : outcome.cacheProblem;
    if (!problem.empty())
        err << "quilcd-search: nothing kept in the cache (" << problem
            << "): the next search reads the disc again\n";
    return outcome.results.empty() ? kExitNone : kExitFound;
}

} // namespace search_tool
