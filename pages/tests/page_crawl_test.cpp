// The crawl reads the pages a disc shows, each once, and only those: what its visitor is given
// is each page's path, charset, bytes and parse.

#include "content/cp932.h"
#include "content/line_rule.h"
#include "pages/page_crawl.h"
#include "pages/page_name.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <gumbo.h>

#include <filesystem>
#include <map>
#include <mutex>

namespace {

using Lines = std::vector<std::string>;

// The text of the page's <title>, found in the parse the visitor is given.
std::string TitleOf(const GumboNode* node) {
    if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT)
        return {};
    const GumboVector& children =
        node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
    if (node->type == GUMBO_NODE_ELEMENT && node->v.element.tag == GUMBO_TAG_TITLE &&
        children.length == 1)
        return static_cast<const GumboNode*>(children.data[0])->v.text.text;
    for (unsigned i = 0; i < children.length; ++i)
        if (std::string title = TitleOf(static_cast<const GumboNode*>(children.data[i]));
            !title.empty())
            return title;
    return {};
}

// Each page the crawl gives, by its place in the crawl: "name listed? charset title" or
// "name skipped".
class Recorder final : public pages::PageVisitor {
public:
    explicit Recorder(std::string htmlDir) : m_htmlDir(std::move(htmlDir)) {}

    void Visit(const pages::VisitedPage& page) override {
        EXPECT_EQ(page.read.bytes.size(), std::filesystem::file_size(page.path));
        Record(page.order, pages::PageName(m_htmlDir, page.path) +
                               (page.listed ? " listed " : " ") + page.read.page.charset + " " +
                               TitleOf(page.read.page.scan.document->document));
    }
    void Skip(const pages::SkippedPage& page) override {
        Record(page.order, pages::PageName(m_htmlDir, page.path) + " skipped");
    }

    Lines InOrder() const {
        Lines out;
        for (const auto& [order, line] : m_pages)
            out.push_back(line);
        return out;
    }

private:
    void Record(std::size_t order, std::string line) {
        const std::lock_guard lock(m_mutex);
        EXPECT_TRUE(m_pages.emplace(order, std::move(line)).second) << "order " << order;
    }

    std::string m_htmlDir;
    std::mutex m_mutex;
    std::map<std::size_t, std::string> m_pages;
};

TEST(PageCrawl, ReadsEachPageTheDiscShowsOnceInTheSameOrder) {
    testkit::TempDisc disc;
    const auto page = [&](const std::string& name, const std::string& body) {
        disc.write("_html/" + name,
                   *content::Utf8ToCp932("<html><head><title>" + name + "</title></head><body>" +
                                         body + "</body></html>"));
    };
    page("top.htm", "<a href=\"A/Next.HTM\">next</a> <a href=\"pic.htm.gif\">not a page</a>");
    disc.write("_html/a/next.htm", "<html><head><title>a/next.htm</title></head>"
                                   "<frameset><frame src=\"../frame.htm\"></frameset></html>");
    page("frame.htm", "<meta http-equiv=refresh content=\"5; url=later.htm\">"
                      "<a href=\"top.htm\">back</a> <a href=\"top.htm#x\">again</a>");
    page("later.htm", "<img src=\"picture-only.htm\"><a href=\"binary.htm\">b</a>");
    page("second.htm", "二番目 <a href=\"%93%F1.htm\">Shift-JIS escaped</a>");
    page("二.htm", "");
    page("picture-only.htm", "");
    page("nowhere.htm", "");
    disc.write("_html/open.htm", "\xEF\xBB\xBF<title>開始</title><a href=\"second.htm\">2</a>");
    disc.write("_html/binary.htm", std::string("GIF89a\0\0", 8));
    disc.write("_html/notes.txt", "<a href=\"nowhere.htm\">");
    disc.write("_html/euc.htm", "<meta charset=euc-jp><title>\xC6\xFC</title>");
    const content::StringList htmlList =
        content::SplitLines("top.htm\r\n\r\nnotes.txt\r\nTOP.HTM\r\neuc.htm\r\nmissing.htm\r\n");

    const std::string root = std::filesystem::canonical(disc.root()).string();
    const content::DiscDirs dirs{root + "/menu/", root + "/_html/"};
    const Lines expected = {
        "top.htm listed Shift_JIS top.htm",
        "euc.htm listed EUC-JP 日",
        "open.htm UTF-8 開始",
        "a/next.htm Shift_JIS a/next.htm",
        "second.htm Shift_JIS second.htm",
        "frame.htm Shift_JIS frame.htm",
        "二.htm Shift_JIS 二.htm",
        "later.htm Shift_JIS later.htm",
        "binary.htm skipped",
    };
    for (const unsigned readers : {1u, 3u}) {
        SCOPED_TRACE(readers);
        Recorder recorder(dirs.htmlDir);
        const std::set<pages::FileId> seen =
            pages::CrawlDiscPages(dirs, htmlList, recorder, {readers});
        EXPECT_EQ(recorder.InOrder(), expected);
        EXPECT_EQ(seen.size(), expected.size());
    }
}

} // namespace
