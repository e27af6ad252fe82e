// The checker reads the pages a disc shows: every broken reference is told at its page, line and
// column, and no good one.

#include "content/cp932.h"
#include "example_disc.h"
#include "tools/check/text_report.h"

#include <gtest/gtest.h>

namespace {

using check_testing::ExampleDisc;
using Lines = std::vector<std::string>;

// A page's findings, one per entry: "severity code file:line:column reference".
Lines PageFindings(const check::DiscReport& report) {
    Lines out;
    for (const check::Finding& f : report.problems) {
        if (f.file.find('/') == std::string::npos && !f.file.ends_with(".htm"))
            continue; // a list file's or a button file's
        out.push_back(std::string(check::SeverityName(f.severity)) + " " + f.code + " " + f.file +
                      ":" + std::to_string(f.line) + ":" + std::to_string(f.column) + " " +
                      f.reference.value_or("-"));
    }
    return out;
}

// The column (in characters) where the reference begins on its line: after the quote, equals
// sign or parenthesis before it.
int ColumnOf(const std::string& line, const std::string& reference) {
    for (const char* before : {"\"", "'", "=", "("}) {
        const std::size_t at = line.find(before + reference);
        if (at == std::string::npos)
            continue;
        int column = 1;
        for (std::size_t i = 0; i < at + 1; ++i)
            column += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80 ? 1 : 0;
        return column;
    }
    ADD_FAILURE() << reference << " is not on the line " << line;
    return 0;
}

struct Expected {
    const char* severity;
    const char* code;
    int line; // 1-based in the page's lines
    std::string reference;
};

// The findings a page's lines must give, in the report's form.
Lines ExpectedOn(const std::string& file, const Lines& lines, const std::vector<Expected>& all) {
    Lines out;
    for (const Expected& e : all)
        out.push_back(
            std::string(e.severity) + " " + e.code + " " + file + ":" + std::to_string(e.line) +
            ":" +
            std::to_string(ColumnOf(lines[static_cast<std::size_t>(e.line - 1)], e.reference)) +
            " " + e.reference);
    return out;
}

std::string ShiftJisPage(const Lines& lines) {
    std::string page;
    for (const std::string& line : lines)
        page += *content::Utf8ToCp932(line) + "\r\n";
    return page;
}

TEST(PageFindings, EachBrokenReferenceIsToldAtItsLineAndNoGoodOne) {
    ExampleDisc disc;
    const Lines cover = {
        "<HTML><HEAD><TITLE>Cover</TITLE>",
        "<LINK REL=stylesheet HREF=\"style.css\"><link rel=\"stylesheet\" href=\"gone.css\">",
        "<SCRIPT SRC=\"lib.js\"></SCRIPT><script src=\"nolib.js\"></script>",
        "<STYLE>body { background: url(pic/back.gif) } p { background: url(\"pic/none.gif\") "
        "}</STYLE>",
        "<META HTTP-EQUIV=Refresh CONTENT=\"60; URL=gone.htm\">",
        "</HEAD><BODY BACKGROUND=pic\\back.gif>",
        "<A HREF=talk.htm>ok</A> <a href=\"nothere.htm\">x</a>",
        "<a href=\"..\\..\\menu\\readme.htm\">beside</a> <a href=\"../../../outside.htm\">up</a>",
        "<a href=\"%95%5C.htm\">percent</a> <a href=\"表2.htm\">raw</a> <a "
        "href=\"無い.htm\">no</a>",
        "<img src=\"PIC/BACK.GIF\"> <img src=\"pic/lost.gif\">",
        "<a href=\"talk.htm#part2\">x</a> <a href=\"talk.htm\">y</a> <a href=\"#top\">top</a>",
        "<iframe src=\"../soft/util.htm\"></iframe><iframe src=\"frames.htm\"></iframe>",
        "<p style=\"background-image:url('pic/none2.gif')\">x</p>",
        "<input type=image src=\"pic/back.gif\"><input type=image src=\"pic/nobutton.gif\"><input "
        "src=\"not-loaded.gif\">",
        "<map><area href=\"nomap.htm\"></map>",
        "<a href=\"http://www.example.com/\">w</a> <a href=\"mailto:ed@example.com\">m</a> <a "
        "href=\"javascript:void(0)\">j</a>",
        "<a href=\"file:///etc/hostname\">f</a> <a href=\"//server/share/x.htm\">unc</a>",
        "</BODY></HTML>",
    };
    const Lines frames = {"<FRAMESET COLS=\"20%,*\">", "<FRAME SRC=menu.htm>",
                          "<FRAME SRC=\"nowhere.htm\">", "</FRAMESET>"};
    const Lines menu = {"<img src=\"pic/broken.gif\">"};
    disc.write("_html/feature/cover.htm", ShiftJisPage(cover));
    disc.write("_html/feature/frames.htm", ShiftJisPage(frames));
    disc.write("_html/feature/menu.htm", ShiftJisPage(menu));
    for (const char* file : {"_html/feature/style.css", "_html/feature/lib.js",
                             "_html/feature/pic/back.gif", "_html/feature/表.htm",
                             "_html/feature/表2.htm", "menu/readme.htm", "_html/old/unused.htm"})
        disc.write(file, "x");

    Lines expected = ExpectedOn("feature/cover.htm", cover,
                                {{"warning", "missing-target", 2, "gone.css"},
                                 {"warning", "missing-target", 3, "nolib.js"},
                                 {"warning", "missing-target", 4, "pic/none.gif"},
                                 {"error", "missing-target", 5, "gone.htm"},
                                 {"error", "missing-target", 7, "nothere.htm"},
                                 {"error", "outside-disc", 8, "../../../outside.htm"},
                                 {"error", "missing-target", 9, "無い.htm"},
                                 {"warning", "missing-target", 10, "pic/lost.gif"},
                                 {"note", "fragment-to-listed-page", 11, "talk.htm#part2"},
                                 {"warning", "missing-anchor", 11, "talk.htm#part2"},
                                 {"warning", "frame-of-listed-page", 12, "../soft/util.htm"},
                                 {"warning", "missing-target", 13, "pic/none2.gif"},
                                 {"warning", "missing-target", 14, "pic/nobutton.gif"},
                                 {"error", "missing-target", 15, "nomap.htm"},
                                 {"error", "outside-disc", 17, "file:///etc/hostname"},
                                 {"error", "outside-disc", 17, "//server/share/x.htm"}});
    const Lines onFrames =
        ExpectedOn("feature/frames.htm", frames, {{"error", "missing-target", 3, "nowhere.htm"}});
    const Lines onMenu =
        ExpectedOn("feature/menu.htm", menu, {{"warning", "missing-target", 1, "pic/broken.gif"}});
    expected.insert(expected.end(), onFrames.begin(), onFrames.end());
    expected.insert(expected.end(), onMenu.begin(), onMenu.end());
    expected.push_back("note unreachable-page old/unused.htm:0:0 -");

    const check::DiscReport report = disc.Report();
    EXPECT_EQ(PageFindings(report), expected);

    const std::string text = check::TextReport(report);
    EXPECT_NE(text.find("\nfeature/cover.htm:7:34: error: a href \"nothere.htm\": no such file on "
                        "the disc ("),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("following the link shows the view's error page [missing-target]\n"),
              std::string::npos);
    EXPECT_NE(text.find("\nold/unused.htm: note: "), std::string::npos);
}

// Pages as the editors of the time wrote them: tags in capitals, values without quotes, <font>
// tags left open across blocks, unclosed elements, links inside a table's rows.
TEST(PageFindings, PagesOfTheTimeParseAsABrowserParsesThem) {
    ExampleDisc disc;
    const Lines page = {
        "<HTML><BODY BGCOLOR=#FFFFFF TEXT=#000000>",
        "<FONT SIZE=2 COLOR=red><B><A HREF=a.htm>a<FONT COLOR=blue><A HREF=b.htm>b</B></FONT>",
        "<P>open paragraph <IMG SRC=pic1.gif ALT=x WIDTH=10><P ALIGN=center><A HREF=c.htm>c",
        "<TABLE><TR><TD BACKGROUND=bg.gif><A HREF=d.htm>d<TD><IMG SRC=pic2.gif></TABLE>",
        "<TABLE><A HREF=e.htm>fostered</A><TR><TD>x</TABLE>",
        "<CENTER><FONT FACE=\"ＭＳ Ｐゴシック\"><A HREF=f.htm>f</CENTER><A HREF=g.htm>g",
        "<!-- <A HREF=commented.htm> --><SCRIPT>document.write('<a href=\"written.htm\">')"
        "</SCRIPT><TEXTAREA><a href=\"text.htm\"></TEXTAREA>",
    };
    disc.write("_html/feature/cover.htm", ShiftJisPage(page));
    const Lines expected = ExpectedOn("feature/cover.htm", page,
                                      {{"error", "missing-target", 2, "a.htm"},
                                       {"error", "missing-target", 2, "b.htm"},
                                       {"warning", "missing-target", 3, "pic1.gif"},
                                       {"error", "missing-target", 3, "c.htm"},
                                       {"warning", "missing-target", 4, "bg.gif"},
                                       {"error", "missing-target", 4, "d.htm"},
                                       {"warning", "missing-target", 4, "pic2.gif"},
                                       {"error", "missing-target", 5, "e.htm"},
                                       {"error", "missing-target", 6, "f.htm"},
                                       {"error", "missing-target", 6, "g.htm"}});
    EXPECT_EQ(PageFindings(disc.Report()), expected);
}

TEST(PageFindings, PagesAreReadInTheCharsetTheyDeclare) {
    using namespace std::string_literals;
    // Line 2 holds a good link to 表.htm and a broken one to 無い.htm after Japanese text.
    const std::string good = "<a href=\"表.htm\">表</a>";
    const std::string bad = "<a href=\"無い.htm\">";
    const std::string line2 = "日本語 " + good + " " + bad;
    const int column = ColumnOf(line2, "無い.htm");
    const auto utf8Page = [&](const std::string& head) {
        return head + "\n" + line2 + "\n";
    };
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"Shift-JIS, said by nothing", ShiftJisPage({"<html>", line2})},
        {"Shift-JIS as x-sjis, CR line ends",
         *content::Utf8ToCp932("<meta http-equiv=Content-Type content=\"text/html; "
                               "charset=x-sjis\">\r" +
                               line2 + "\r")},
        {"UTF-8 by meta charset", utf8Page("<meta charset=utf-8>")},
        {"UTF-8 by its byte-order mark", "\xEF\xBB\xBF" + utf8Page("<html>")},
        {"EUC-JP by content type",
         "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=EUC-JP\">\n"
         "\xC6\xFC\xCB\xDC\xB8\xEC <a href=\"\xC9\xBD.htm\">\xC9\xBD</a> "
         "<a href=\"\xCC\xB5\xA4\xA4.htm\">\n"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ExampleDisc disc;
        disc.write("_html/feature/表.htm", "x");
        disc.write("_html/feature/cover.htm", c.bytes);
        EXPECT_EQ(PageFindings(disc.Report()), Lines{"error missing-target feature/cover.htm:2:" +
                                                     std::to_string(column) + " 無い.htm"});
    }
}

// A link's fragment is looked for as the view's engine looks for it: an id exactly, an <a name>
// exactly in a page with a doctype and ignoring ASCII case in one without (quirks mode); an
// empty fragment and "top" are the top of the page.
TEST(PageFindings, FragmentsThatNameNoPlaceOfTheirPageAreTold) {
    ExampleDisc disc;
    const Lines cover = {
        "<html><body><a name=\"Part1\">1</a><h2 id=\"Intro\">In</h2>",
        "<a href=\"#top\">t</a> <a href=\"#\">e</a> <a href=\"#TOP\">T</a> <a "
        "href=\"#%74op\">t</a>",
        "<a href=\"#Part1\">n</a> <a href=\"#part1\">n</a> <a href=\"#Intro\">i</a> "
        "<a href=\"#intro\">i</a>",
        "<a href=\"#nosuch\">x</a> <a href=\"cover.htm#Part1\">self</a>",
        "<a href=\"more.htm#sec2\">s</a> <a href=\"more.htm#SEC3\">s</a> "
        "<a href=\"more.htm#sec3\">s</a> <a href=\"MORE.HTM?x=1#sec2\">q</a>",
        "<a href=\"more.htm#%E8%A1%A8\">h</a> <a href=\"more.htm#表\">h</a> "
        "<a href=\"more.htm#裏\">u</a> <a href=\"more.htm#\">e</a>",
        "<a href=\"readme.txt#x\">t</a> <a href=\"bin.htm#x\">b</a> <img src=\"pic.gif#x\">",
        "<iframe src=\"more.htm#gone\"></iframe><a href=\"talk.htm#here\">l</a>",
    };
    const Lines more = {
        "<!DOCTYPE html><title>More</title><p id=\"sec2\"><a name=\"sec3\">3</a>",
        "<svg><g id=\"drawn\"/></svg><a name=\"表\">h</a> <a href=\"#Drawn\">d</a>",
    };
    disc.write("_html/feature/cover.htm", ShiftJisPage(cover));
    disc.write("_html/feature/more.htm", ShiftJisPage(more));
    disc.write("_html/feature/talk.htm", "<a name=here>");
    disc.write("_html/feature/bin.htm", std::string("\0\0", 2));
    disc.write("_html/feature/pic.gif", "GIF89a");

    Lines found;
    for (const check::Finding& f : disc.Report().problems)
        if (f.code == "missing-anchor")
            found.push_back(std::string(check::SeverityName(f.severity)) + " " + f.code + " " +
                            f.file + ":" + std::to_string(f.line) + ":" + std::to_string(f.column) +
                            " " + f.reference.value_or("-"));
    Lines expected = ExpectedOn("feature/cover.htm", cover,
                                {{"warning", "missing-anchor", 3, "#intro"},
                                 {"warning", "missing-anchor", 4, "#nosuch"},
                                 {"warning", "missing-anchor", 5, "more.htm#SEC3"},
                                 {"warning", "missing-anchor", 6, "more.htm#裏"},
                                 {"warning", "missing-anchor", 8, "more.htm#gone"}});
    const Lines onMore =
        ExpectedOn("feature/more.htm", more, {{"warning", "missing-anchor", 2, "#Drawn"}});
    expected.insert(expected.end(), onMore.begin(), onMore.end());
    EXPECT_EQ(found, expected);

    const std::string text = check::TextReport(disc.Report());
    EXPECT_NE(text.find(": warning: a href \"#nosuch\": this page has no anchor \"nosuch\" (no "
                        "<a name> and no element with that id): following the link leaves the "
                        "view where it is [missing-anchor]\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find(": warning: iframe src \"more.htm#gone\": \"feature/more.htm\" has no "
                        "anchor \"gone\" (no <a name> and no element with that id): the frame "
                        "shows the page from its top [missing-anchor]\n"),
              std::string::npos)
        << text;
}

} // namespace
