// The search keeps the disc's pages in the cache: a second search reads only that, a changed disc
// is read again, a damaged cache is noticed and rebuilt, and a cache that cannot be written
// leaves the search as it is.

#include "search/disc_search.h"
#include "search/index_place.h"
#include "tests/support/temp_folder.h"
#include "tools/search/disc_lists.h"
#include "tools/search/tests/planted_disc.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace search_tool {
namespace {

namespace fs = std::filesystem;

struct Searcher {
    const testkit::TempDisc& disc;
    std::string cacheRoot;

    search::SearchOutcome operator()(const std::string& words) const {
        const content::DiscDirs dirs{disc.programDir(), disc.htmlDir()};
        const search::IndexPlace place = search::IndexPlaceFor(dirs, cacheRoot);
        const search::DiscSearch search(dirs, ReadDiscLists(dirs).htmlList, place.path);
        return search.Run(search::ParseQuery(words));
    }
    std::string IndexPath() const {
        return search::IndexPlaceFor({disc.programDir(), disc.htmlDir()}, cacheRoot).path;
    }
};

std::string Pages(const search::SearchOutcome& outcome) {
    std::string pages;
    for (const search::SearchResult& result : outcome.results)
        pages += (pages.empty() ? "" : " ") + result.page;
    return pages;
}

TEST(SearchCache, ASecondSearchReadsTheCacheUntilTheDiscChanges) {
    testkit::TempDisc disc;
    PlantWords(disc);
    testkit::TempDir cache;
    const Searcher search{disc, cache.str()};

    const search::SearchOutcome first = search("ソフト");
    EXPECT_FALSE(first.fromCache);
    EXPECT_TRUE(first.kept) << first.cacheProblem;
    const search::SearchOutcome second = search("ソフト");
    EXPECT_TRUE(second.fromCache);
    EXPECT_EQ(Pages(second), Pages(first));
    EXPECT_EQ(second.pages, first.pages);
    EXPECT_EQ(second.skipped, 1u);
    EXPECT_EQ(second.results[0].snippet.text, first.results[0].snippet.text);

    // Each change the search must see: a page written, a page a link led nowhere to appearing,
    // the list naming another page.
    struct Change {
        const char* what;
        std::function<void()> make;
        const char* word;
        const char* pages;
    };
    const Change changes[] = {
        {"a page written",
         [&] { disc.write("_html/half.htm", *content::Utf8ToCp932("<p>新しい語</p>")); },
         "新しい語", "half.htm"},
        {"a linked page that was missing appears",
         [&] {
             disc.write("_html/deeper/frame.htm",
                        *content::Utf8ToCp932("<p><a href=\"../later/new.htm\">x</a>"));
         },
         "後から語", ""},
        {"... and then its file",
         [&] { disc.write("_html/later/new.htm", *content::Utf8ToCp932("<p>後から語</p>")); },
         "後から語", "later/new.htm"},
        {"the list names the orphan",
         [&] {
             disc.write("menu/html.txt", "\r\nsplit.htm\r\nENTITY.HTM\r\nhalf.htm\r\nfull.htm"
                                         "\r\neuc.htm\r\norphan.htm\r\n");
         },
         "孤立語", "orphan.htm"},
    };
    for (const Change& change : changes) {
        change.make();
        const search::SearchOutcome changed = search(change.word);
        EXPECT_FALSE(changed.fromCache) << change.what;
        EXPECT_EQ(Pages(changed), change.pages) << change.what;
        EXPECT_TRUE(search(change.word).fromCache) << change.what << ", searched again";
    }
}

TEST(SearchCache, ADamagedCacheIsReadAgainFromTheDisc) {
    testkit::TempDisc disc;
    PlantWords(disc);
    testkit::TempDir cache;
    const Searcher search{disc, cache.str()};
    const std::string expected = Pages(search("共通語"));
    const std::string index = search.IndexPath();
    ASSERT_TRUE(fs::exists(index));
    const auto size = fs::file_size(index);
    struct Damage {
        const char* what;
        std::function<void()> make;
    };
    const Damage damages[] = {
        {"a byte in a page's text changed",
         [&] {
             std::fstream file(index, std::ios::in | std::ios::out | std::ios::binary);
             file.seekp(static_cast<std::streamoff>(size / 2));
             file.put('\x7F');
         }},
        {"cut short",
         [&] {
             fs::resize_file(index, size - 10);
         }},
        {"emptied",
         [&] {
             std::ofstream(index, std::ios::trunc);
         }},
        {"a folder in its place",
         [&] {
             fs::remove(index);
             fs::create_directory(index);
         }},
    };
    for (const Damage& damage : damages) {
        damage.make();
        const search::SearchOutcome again = search("共通語");
        EXPECT_FALSE(again.fromCache) << damage.what;
        EXPECT_EQ(Pages(again), expected) << damage.what;
        if (fs::is_directory(index)) {
            EXPECT_FALSE(again.kept) << damage.what;
            fs::remove(index);
            continue;
        }
        EXPECT_TRUE(again.kept) << damage.what;
        EXPECT_TRUE(search("共通語").fromCache) << damage.what << ": rebuilt";
    }
}

TEST(SearchCache, ACacheThatCannotBeWrittenStillSearches) {
    testkit::TempDisc disc;
    PlantWords(disc);
    testkit::TempDir cache;
    cache.write("file", "a file where the cache folder would be");
    const Searcher search{disc, cache.str("file")};
    for (int time = 0; time < 2; ++time) {
        const search::SearchOutcome outcome = search("ソフト");
        EXPECT_EQ(Pages(outcome), "entity.htm half.htm");
        EXPECT_FALSE(outcome.fromCache);
        EXPECT_FALSE(outcome.kept);
    }
    EXPECT_FALSE(search::IndexPlaceFor({disc.programDir(), disc.htmlDir()}, cache.str("file"))
                     .problem.empty());
}

} // namespace
} // namespace search_tool
