// quilcd-search --json finds exactly the pages whose visible text holds the words, in every form
// a page writes them, and none where the words are hidden or unreachable.

#include "tests/support/temp_folder.h"
#include "tools/search/command_line.h"
#include "tools/search/tests/planted_disc.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace search_tool {
namespace {

struct SearchRun {
    int status = -1;
    nlohmann::json report;
    std::string errors;
};

SearchRun Search(const testkit::TempDisc& disc, const std::string& cache,
                 const std::vector<std::string>& words) {
    std::vector<std::string> args{"--json", (disc.root() / "menu").string()};
    args.insert(args.end(), words.begin(), words.end());
    std::ostringstream out, err;
    SearchRun run;
    run.status = RunSearch(args, out, err, cache);
    run.errors = err.str();
    if (!out.str().empty())
        run.report = nlohmann::json::parse(out.str());
    return run;
}

std::string Pages(const nlohmann::json& report) {
    std::string pages;
    if (!report.contains("results"))
        return "(no report)";
    for (const auto& result : report["results"])
        pages += (pages.empty() ? "" : " ") + result["page"].get<std::string>();
    return pages;
}

TEST(PlantedWords, ExactlyThePagesThatShowTheWords) {
    testkit::TempDisc disc;
    PlantWords(disc);
    testkit::TempDir cache;
    struct Case {
        std::vector<std::string> words;
        const char* pages; // in the order printed; "" when none
    };
    const Case cases[] = {
        {{"電脳"}, "split.htm"},                       // joined across the tag
        {{"脳倶"}, "split.htm"},                       // and across its end
        {{"ソフト"}, "entity.htm half.htm"},           // entities, half-width kana
        {{"ｿﾌﾄ"}, "entity.htm half.htm"},              // the other way round
        {{"windows98"}, "full.htm"},                   // full-width letters, any case
        {{"雑誌付録"}, "euc.htm"},                     // the page's own charset
        {{"スクリプト語"}, ""},                        // in a script
        {{"スタイル語"}, ""},                          // in a style
        {{"コメント語"}, ""},                          // in a comment
        {{"属性語"}, ""},                              // in an attribute
        {{"孤立語"}, ""},                              // on a page no link reaches
        {{"リンク先語"}, "linked.htm"},                // on a page only a link reaches
        {{"枠内語"}, "deeper/frame.htm"},              // in a frame of that page
        {{"開始語"}, "open.htm"},                      // the start page
        {{"共通語", "ソフト"}, "entity.htm half.htm"}, // every word must appear
        {{"共通語", "孤立語"}, ""},
        // Tree order first, then the pages only links reach, by path; the orphan never.
        {{"共通語"},
         "split.htm entity.htm half.htm full.htm euc.htm hidden.htm "
         "deeper/frame.htm linked.htm open.htm"},
    };
    for (const Case& c : cases) {
        const SearchRun run = Search(disc, cache.str(), c.words);
        EXPECT_EQ(Pages(run.report), c.pages) << c.words.front();
        EXPECT_EQ(run.status, *c.pages ? kExitFound : kExitNone) << c.words.front();
        EXPECT_EQ(run.report["skipped"], 1) << "binary.htm, skipped and counted";
        EXPECT_EQ(run.report["pages"], 9) << c.words.front();
    }
}

TEST(PlantedWords, EachResultNamesItsEntryTitleAndSnippet) {
    testkit::TempDisc disc;
    PlantWords(disc);
    testkit::TempDir cache;
    const SearchRun run = Search(disc, cache.str(), {"ｿﾌﾄ"});
    ASSERT_EQ(run.report["results"].size(), 2u) << run.report.dump();
    const nlohmann::json& entity = run.report["results"][0];
    EXPECT_EQ(entity["entry"], "実体参照");
    EXPECT_EQ(entity["title"], "実体");
    EXPECT_EQ(entity["snippet"], "ソフト 共通語");

    const SearchRun linked = Search(disc, cache.str(), {"リンク先語"});
    ASSERT_EQ(linked.report["results"].size(), 1u);
    EXPECT_TRUE(linked.report["results"][0]["entry"].is_null());
    EXPECT_EQ(linked.report["results"][0]["title"], "リンク");
}

TEST(PlantedWords, UsageAndRefusals) {
    testkit::TempDisc disc;
    PlantWords(disc);
    testkit::TempDir cache;
    const std::string menu = (disc.root() / "menu").string();
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* errorStart; // what standard error begins with
    };
    const Case cases[] = {
        {{}, kExitCannot, "usage: quilcd-search"},
        {{menu}, kExitCannot, "usage: quilcd-search"},
        {{"--xml", menu, "語"}, kExitCannot, "quilcd-search: unknown option --xml"},
        {{menu, std::string(1001, 'a')}, kExitCannot, "quilcd-search: the words are longer"},
        {{menu, "　 "}, kExitNone, ""}, // only spaces: nothing to do, nothing said
        {{cache.str("nothing-here"), "語"}, kExitCannot, "quilcd-search: "},
    };
    for (const Case& c : cases) {
        std::ostringstream out, err;
        EXPECT_EQ(RunSearch(c.args, out, err, cache.str()), c.status) << err.str();
        EXPECT_EQ(err.str().rfind(c.errorStart, 0), 0u) << err.str();
        EXPECT_EQ(out.str(), "");
    }
    std::ostringstream out, err;
    EXPECT_EQ(RunSearch({menu, "ｿﾌﾄ"}, out, err, cache.str()), kExitFound);
    EXPECT_EQ(out.str(), "entity.htm: 実体 — ソフト 共通語\nhalf.htm: 半角 — ｿﾌﾄｳｪｱ 共通語\n");
}

} // namespace
} // namespace search_tool
