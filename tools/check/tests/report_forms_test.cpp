// The report as CSV and HTML carries every finding; findings an editor silences are left out
// and counted.

#include "check_run.h"
#include "content/page_files.h"
#include "example_disc.h"
#include "tools/check/csv_report.h"
#include "tools/check/finding_codes.h"
#include "tools/check/html_report.h"

#include <gtest/gtest.h>
#include <gumbo.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <regex>
#include <sstream>

namespace {

using check_testing::Check;
using check_testing::CheckRun;

using check_testing::ExampleDisc;
using Row = std::vector<std::string>;

// A disc with findings of every kind of file, and texts a report must take care of: quotes,
// commas, markup, a control character, a reference a spreadsheet would read as a formula.
void PlantFindings(const ExampleDisc& disc) {
    disc.write("_html/feature/cover.htm",
               "<html><body>\r\n<a href=\"=HYPERLINK(1).htm\">f</a> <a href=\"a,\"\"b.htm\">q</a>"
               "\r\n<img src=\"<pic>.gif\"> <a href=\"talk.htm#nowhere\">n</a>\r\n");
    disc.write("_html/feature/cover.txt", "Install\x01it\r\nfeature\\viewer\\gone.exe\r\n");
    disc.write("_html/old/unused.htm", "x");
    disc.write("menu/init.txt", "\xEF\xBB\xBF"
                                "1999\r\n");
}

// RFC 4180, as a spreadsheet reads it.
std::vector<Row> ParsedCsv(const std::string& text) {
    std::vector<Row> rows(1, Row(1));
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"')
                rows.back().back() += text[++i];
            else if (c == '"')
                quoted = false;
            else
                rows.back().back() += c;
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().emplace_back();
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
            rows.emplace_back(1);
        } else {
            rows.back().back() += c;
        }
    }
    rows.pop_back(); // after the last line end
    return rows;
}

std::string Number(int n) {
    return n > 0 ? std::to_string(n) : "";
}

TEST(ReportForms, CsvHoldsAHeaderAndOneRowPerFinding) {
    ExampleDisc disc;
    PlantFindings(disc);
    const check::DiscReport report = disc.Report();
    ASSERT_GE(report.problems.size(), 6u);
    const std::vector<Row> rows = ParsedCsv(check::CsvReport(report));
    ASSERT_EQ(rows.size(), report.problems.size() + 1);
    EXPECT_EQ(rows[0], (Row{"severity", "code", "file", "line", "column", "reference", "message"}));
    bool formula = false;
    for (std::size_t i = 0; i < report.problems.size(); ++i) {
        const check::Finding& f = report.problems[i];
        std::string reference = f.reference.value_or("");
        if (reference.starts_with('=')) {
            reference.insert(0, "'"); // shown as text, never run as a formula
            formula = true;
        }
        EXPECT_EQ(rows[i + 1], (Row{std::string(check::SeverityName(f.severity)), f.code, f.file,
                                    Number(f.line), Number(f.column), reference, f.message}));
    }
    EXPECT_TRUE(formula);
}

// The texts of every element with the tag below node, in the order of the page.
void Collect(const GumboNode* node, GumboTag tag, std::vector<const GumboNode*>& out) {
    if (node->type != GUMBO_NODE_ELEMENT)
        return;
    if (node->v.element.tag == tag)
        out.push_back(node);
    for (unsigned i = 0; i < node->v.element.children.length; ++i)
        Collect(static_cast<const GumboNode*>(node->v.element.children.data[i]), tag, out);
}

std::string TextOf(const GumboNode* node) {
    if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE)
        return node->v.text.text;
    std::string text;
    if (node->type == GUMBO_NODE_ELEMENT)
        for (unsigned i = 0; i < node->v.element.children.length; ++i)
            text += TextOf(static_cast<const GumboNode*>(node->v.element.children.data[i]));
    return text;
}

TEST(ReportForms, HtmlShowsEveryFindingAndParsesWithoutAnError) {
    ExampleDisc disc;
    PlantFindings(disc);
    check::DiscReport report = disc.Report();
    report.silenced = 3;
    const std::string html = check::HtmlReport(report);

    GumboOptions options = kGumboDefaultOptions;
    GumboOutput* output = gumbo_parse_with_options(&options, html.data(), html.size());
    EXPECT_EQ(output->errors.length, 0u);
    EXPECT_EQ(html.find("<script"), std::string::npos);

    // Each finding a row: line, column, severity, message, code; the control character of the
    // caption shown as its picture.
    std::vector<const GumboNode*> rows;
    Collect(output->root, GUMBO_TAG_TR, rows);
    std::vector<Row> findings;
    for (const GumboNode* row : rows) {
        std::vector<const GumboNode*> cells;
        Collect(row, GUMBO_TAG_TD, cells);
        if (cells.size() == 5) {
            findings.emplace_back();
            for (const GumboNode* cell : cells)
                findings.back().push_back(TextOf(cell));
        }
    }
    ASSERT_EQ(findings.size(), report.problems.size());
    const std::string severityWords[] = {"エラー error", "警告 warning", "参考 note"};
    for (std::size_t i = 0; i < findings.size(); ++i) {
        const check::Finding& f = report.problems[i];
        std::string message = f.message;
        if (const std::size_t control = message.find('\x01'); control != std::string::npos)
            message.replace(control, 1, "\u2401");
        EXPECT_EQ(findings[i], (Row{Number(f.line), Number(f.column),
                                    severityWords[static_cast<int>(f.severity)], message, f.code}));
    }

    // The summary first; each file's heading links to the file itself.
    EXPECT_LT(html.find("除外した指摘"), html.find("id=\"findings\""));
    std::vector<const GumboNode*> links;
    Collect(output->root, GUMBO_TAG_A, links);
    std::set<std::string> linked;
    for (const GumboNode* link : links) {
        const GumboAttribute* href = gumbo_get_attribute(&link->v.element.attributes, "href");
        ASSERT_NE(href, nullptr);
        const std::string url = href->value;
        ASSERT_TRUE(url.starts_with("file:///")) << url;
        EXPECT_TRUE(std::filesystem::is_regular_file(content::PercentDecode(url.substr(7)))) << url;
        linked.insert(TextOf(link));
    }
    EXPECT_EQ(linked, (std::set<std::string>{"init.txt", "feature/cover.htm", "feature\\cover.txt",
                                             "button.txt", "old/unused.htm"}));
    gumbo_destroy_output(&options, output);
}

std::multiset<std::string> CodesIn(const std::string& json) {
    std::multiset<std::string> codes;
    // Held by name: a range over a member of the temporary would outlive it.
    const nlohmann::json report = nlohmann::json::parse(json);
    for (const auto& problem : report["problems"])
        codes.insert(problem["code"].get<std::string>());
    return codes;
}

TEST(ReportForms, SilencedFindingsAreLeftOutAndCounted) {
    ExampleDisc disc;
    PlantFindings(disc);
    const std::string menu = (disc.root() / "menu").string();
    const std::multiset<std::string> all = CodesIn(Check({"--json", menu}).out);
    const auto without = [&](std::initializer_list<const char*> codes) {
        std::multiset<std::string> left = all;
        for (const char* code : codes) {
            const auto found = left.find(code);
            if (found == left.end())
                ADD_FAILURE() << "the planted disc has no (more) " << code;
            else
                left.erase(found);
        }
        return left;
    };
    ASSERT_EQ(Check({menu}).status, 1); // missing-target errors
    const std::string config = (disc.root() / "editor.ini").string();
    disc.write("editor.ini", "; what this disc's editor knows of\r\n[ignore]\r\n"
                             "code = missing-target  ; the links are made later\r\n"
                             "path = OLD/*\r\n");
    const struct {
        const char* name;
        std::function<void()> prepare;
        std::vector<std::string> args;
        std::multiset<std::string> left;
        int status;
    } cases[] = {
        {"by code",
         [] {},
         {"--ignore", "missing-target", "--ignore", "utf8-bom"},
         without({"missing-target", "missing-target", "missing-target", "utf8-bom"}),
         0},
        {"by path as Windows writes it, letter case ignored",
         [] {},
         {"--ignore-path=FEATURE\\*"},
         without({"missing-target", "missing-target", "missing-target", "fragment-to-listed-page",
                  "missing-anchor", "missing-launch-target"}),
         1},
        {"the file beside tree.txt",
         [&] { disc.write("menu/quilcd-check.ini", "[ignore]\npath = old/*\n"); },
         {},
         without({"unreachable-page"}),
         1},
        {"--config instead of the file beside tree.txt",
         [] {},
         {"--config", config},
         without({"missing-target", "missing-target", "missing-target", "unreachable-page"}),
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare();
        std::vector<std::string> args = c.args;
        args.push_back(menu);
        const CheckRun text = Check(args);
        EXPECT_EQ(text.status, c.status) << text.err;
        const std::size_t silenced = all.size() - c.left.size();
        EXPECT_TRUE(text.out.ends_with("; " + std::to_string(silenced) + " silenced\n"))
            << text.out;
        args.insert(args.begin(), "--json");
        const CheckRun json = Check(args);
        EXPECT_EQ(CodesIn(json.out), c.left);
        EXPECT_EQ(nlohmann::json::parse(json.out)["silenced"], silenced);
    }
}

TEST(ReportForms, AWrongSilencingFileIsToldWithItsLine) {
    ExampleDisc disc;
    const std::string menu = (disc.root() / "menu").string();
    const std::string ini = (disc.root() / "menu/quilcd-check.ini").string();
    const struct {
        std::string text;
        std::string says;
    } cases[] = {
        {"[ignore]\ncode = utf8-bom\ncode = missing_page\n",
         ini + ":3: unknown code missing_page (see quilcd-check --help for where the codes are "
               "listed)"},
        {"[ignore]\n\npaths = old/*\n",
         ini + ":3: the key paths is not known (only code and path)"},
        {"[skip]\ncode = utf8-bom\n", ini + ":2: the section [skip] is not known (only [ignore])"},
        {"[ignore]\njust words\ncode = nosuch\n",
         ini + ":2: not a line of the form name = value or [section] (at most 200 characters)"},
    };
    for (const auto& c : cases) {
        disc.write("menu/quilcd-check.ini", c.text);
        const CheckRun run = Check({menu});
        EXPECT_EQ(run.status, 2) << c.text;
        EXPECT_EQ(run.err, "quilcd-check: " + c.says + "\n");
        EXPECT_EQ(run.out, "");
    }
    const CheckRun missing = Check({"--config", ini + ".gone", menu});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "quilcd-check: " + ini +
                               ".gone: cannot be read (missing, not a regular file, or no "
                               "permission)\n");
}

// The codes --ignore takes are the codes the documentation lists.
TEST(ReportForms, EveryCodeIsDocumented) {
    std::ifstream docs(std::string(QUILCD_SOURCE_DIR) + "/docs/checker-codes.md");
    std::stringstream text;
    text << docs.rdbuf();
    std::set<std::string> documented;
    const std::string all = text.str();
    const std::regex row("\\n\\| `([a-z0-9-]+)` \\|");
    for (auto it = std::sregex_iterator(all.begin(), all.end(), row); it != std::sregex_iterator();
         ++it)
        documented.insert((*it)[1]);
    std::set<std::string> known;
    for (const std::string_view code : check::FindingCodes())
        known.emplace(code);
    EXPECT_EQ(known, documented);
}

} // namespace
