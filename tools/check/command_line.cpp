#include "tools/check/command_line.h"

#include "content/file_read.h"
#include "tools/check/csv_report.h"
#include "tools/check/disc_report.h"
#include "tools/check/html_report.h"
#include "tools/check/image_disc.h"
#include "tools/check/json_report.h"
#include "tools/check/menu_dir.h"
#include "tools/check/silencing.h"
#include "tools/check/text_report.h"
#include "tools/open/image_error.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace check {
namespace {

constexpr const char* kUsage =
    "usage: quilcd-check [--format text|json|csv|html] [--ignore CODE] [--ignore-path GLOB]\n"
    "                    [--config FILE] MENU_DIR|IMAGE\n";

constexpr const char* kHelp =
    "Reads a Quillore CD-ROM Browser disc the way the browser does and tells what the\n"
    "browser will show and what looks wrong.\n"
    "\n"
    "MENU_DIR is the directory the browser's executable lies in: it holds tree.txt,\n"
    "html.txt, button.txt and init.txt; the pages and button files are looked for in\n"
    "the directory _html beside it. IMAGE is a disc image as quilcd-open takes it (.iso,\n"
    "or a .cue with its .bin): it is read in place, its menu found as quilcd-open finds\n"
    "it; only the list files, the button files and the pages are taken out of it.\n"
    "\n"
    "The pages the disc shows are read too: every link, frame, picture, script and\n"
    "style sheet they follow or load is looked for as the browser looks for it, and\n"
    "every fragment (page.htm#part) among the anchors of its page.\n"
    "\n"
    "  --format FORMAT    text (the default), json (one JSON object), csv (one finding\n"
    "                     a row) or html (one page for a browser)\n"
    "  --json             the same as --format json\n"
    "  --ignore CODE      leave out the findings with this code (as often as needed)\n"
    "  --ignore-path GLOB leave out the findings of the files the pattern matches,\n"
    "                     from the content directory: old/*, *.txt (* spans folders)\n"
    "  --config FILE      read what to leave out from FILE instead of the\n"
    "                     quilcd-check.ini beside tree.txt, when there is one:\n"
    "                       [ignore]\n"
    "                       code = unreachable-page\n"
    "                       path = old/*\n"
    "  -h, --help         show this help\n"
    "\n"
    "Each finding is an error (the browser fails, shows something wrong or loses part\n"
    "of the disc), a warning (the browser copes, but the disc is most likely not what\n"
    "was meant) or a note, and ends with its code in brackets: [missing-target].\n"
    "The codes are listed in docs/checker-codes.md. The summary counts the findings\n"
    "left out.\n"
    "\n"
    "Exit status:\n"
    "  0  no error (warnings and notes allowed; errors left out do not count)\n"
    "  1  at least one error\n"
    "  2  MENU_DIR or IMAGE cannot be read (missing, not a directory or a disc image,\n"
    "     no permission, no menu), a silencing file is wrong, or bad usage\n";

enum class Format { Text, Json, Csv, Html };

struct Options {
    std::optional<Format> format;
    bool help = false;
    std::optional<std::string> disc;
    std::optional<std::string> config;
    Silencing silencing;
};

std::optional<Format> FormatNamed(const std::string& name) {
    if (name == "text")
        return Format::Text;
    if (name == "json")
        return Format::Json;
    if (name == "csv")
        return Format::Csv;
    if (name == "html")
        return Format::Html;
    return std::nullopt;
}

// Reads the command line. Nullopt on a usage error, which has been told on err.
class Parser final {
public:
    Parser(const std::vector<std::string>& args, std::ostream& err) : m_args(args), m_err(err) {}

    std::optional<Options> Parse() {
        bool optionsEnded = false;
        for (m_at = 0; m_at < m_args.size(); ++m_at) {
            const std::string& arg = m_args[m_at];
            if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
                if (m_options.disc)
                    return Refuse("one MENU_DIR or IMAGE only");
                m_options.disc = arg;
            } else if (arg == "--") {
                optionsEnded = true;
            } else if (arg == "-h" || arg == "--help") {
                m_options.help = true;
            } else if (!Option(arg)) {
                return std::nullopt;
            }
        }
        if (!m_options.help && !m_options.disc) {
            m_err << kUsage;
            return std::nullopt;
        }
        return std::move(m_options);
    }

private:
    // One option other than help; false when refused (told).
    bool Option(const std::string& arg) {
        if (arg == "--json")
            return SetFormat(Format::Json);
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        if (name != "--format" && name != "--ignore" && name != "--ignore-path" &&
            name != "--config") {
            Refuse("unknown option " + arg);
            return false;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        } else if (m_at + 1 < m_args.size()) {
            value = m_args[++m_at];
        } else {
            Refuse(name + " needs a value");
            return false;
        }
        if (name == "--format") {
            const std::optional<Format> format = FormatNamed(value);
            if (!format) {
                Refuse("unknown format " + value + " (text, json, csv or html)");
                return false;
            }
            return SetFormat(*format);
        }
        if (name == "--ignore") {
            if (const std::optional<std::string> problem = CodeProblem(value)) {
                Refuse(*problem);
                return false;
            }
            m_options.silencing.codes.push_back(value);
        } else if (name == "--ignore-path") {
            if (value.empty()) {
                Refuse("--ignore-path needs a pattern");
                return false;
            }
            m_options.silencing.paths.push_back(value);
        } else {
            m_options.config = value;
        }
        return true;
    }

    bool SetFormat(Format format) {
        if (m_options.format && *m_options.format != format) {
            Refuse("one format only");
            return false;
        }
        m_options.format = format;
        return true;
    }

    std::nullopt_t Refuse(const std::string& why) {
        m_err << "quilcd-check: " << why << "\n" << kUsage;
        return std::nullopt;
    }

    const std::vector<std::string>& m_args;
    std::ostream& m_err;
    std::size_t m_at = 0;
    Options m_options;
};

// The editor's silencing for this disc: the rules of --config, or of quilcd-check.ini beside
// tree.txt when there is one, then those of the command line. The reason when a file is wrong.
std::optional<std::string> SilencingFor(const Options& options, const std::string& programDir,
                                        Silencing& silencing) {
    std::optional<std::string> file = options.config;
    if (!file && content::IsRegularFile(programDir + kSilencingFile))
        file = programDir + kSilencingFile;
    if (file) {
        std::string text;
        try {
            text = content::ReadWholeFile(*file);
        } catch (const std::exception&) {
            return *file + ": cannot be read (missing, not a regular file, or no permission)";
        }
        if (const std::optional<std::string> problem = ReadSilencing(*file, text, silencing))
            return problem;
    }
    silencing.codes.insert(silencing.codes.end(), options.silencing.codes.begin(),
                           options.silencing.codes.end());
    silencing.paths.insert(silencing.paths.end(), options.silencing.paths.begin(),
                           options.silencing.paths.end());
    return std::nullopt;
}

std::string Written(const DiscReport& report, Format format) {
    switch (format) {
    case Format::Json:
        return JsonReport(report);
    case Format::Csv:
        return CsvReport(report);
    case Format::Html:
        return HtmlReport(report);
    case Format::Text:
        break;
    }
    return TextReport(report);
}

} // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::optional<Options> options = Parser(args, err).Parse();
    if (!options)
        return kExitCannotRead;
    if (options->help) {
        out << kUsage << "\n" << kHelp;
        return kExitClean;
    }
    // A regular file is a disc image; anything else is read as the menu directory, and told
    // why not when it is none.
    std::unique_ptr<ImageDisc> image;
    std::string menuDir = *options->disc;
    struct stat st {};
    if (::stat(menuDir.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        try {
            image = std::make_unique<ImageDisc>(menuDir);
        } catch (const std::exception& error) {
            err << "quilcd-check: " << error.what() << "\n";
            return kExitCannotRead;
        }
        menuDir = image->ProgramDir();
    }
    const MenuDir menu = DiscDirsFor(menuDir);
    if (!menu.dirs) {
        err << "quilcd-check: " << menu.error << "\n";
        return kExitCannotRead;
    }
    Silencing silencing;
    if (const std::optional<std::string> problem =
            SilencingFor(*options, menu.dirs->programDir, silencing)) {
        err << "quilcd-check: " << *problem << "\n";
        return kExitCannotRead;
    }
    DiscReport report = BuildDiscReport(*menu.dirs);
    if (silencing.Any())
        report.silenced = Silence(silencing, report.problems);
    if (image)
        image->NameInsideImage(report);
    out << Written(report, options->format.value_or(Format::Text));
    out.flush();
    return report.HasErrors() ? kExitProblems : kExitClean;
}

} // namespace check
