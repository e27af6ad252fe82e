// The search's file in the cache: read back as written, stale when the disc changed, never
// trusted when damaged, and nothing left behind when it cannot be written.

#include "search/index_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

namespace search {
namespace {

namespace fs = std::filesystem;

std::vector<IndexedPage> SomePages() {
    return {
        {"index.htm", 0, "目次", "電脳倶楽部へようこそ", "電脳倶楽部へようこそ"},
        {"sub/page.htm", -1, "", "ＡＢＣ", "abc"},
        {"empty.htm", 3, "Empty", "", ""},
    };
}

std::vector<IndexedPage> ReadAll(IndexReader& reader, bool* complete = nullptr) {
    std::vector<IndexedPage> pages;
    const bool read = reader.ReadPages([&](const IndexedPageView& page) {
        pages.push_back({std::string(page.page), page.node, std::string(page.title),
                         std::string(page.text), std::string(page.folded)});
    });
    if (complete != nullptr)
        *complete = read;
    return pages;
}

void WriteIndex(const std::string& path, const std::vector<WatchedFile>& watched) {
    IndexWriter writer(path);
    for (const IndexedPage& page : SomePages())
        writer.Add(page);
    writer.Finish(watched, 2);
}

TEST(IndexFile, ReadsBackWhatWasWrittenWhileTheDiscIsUnchanged) {
    testkit::TempDir dir;
    const fs::path page = dir.write("disc/page.htm", "<p>page</p>");
    const std::string path = dir.str("disc.index");
    WriteIndex(path, {{page.string(), StateOf(page.string())},
                      {dir.str("disc"), StateOf(dir.str("disc"))},
                      {dir.str("disc/open.htm"), StateOf(dir.str("disc/open.htm"))}});
    EXPECT_EQ(fs::directory_iterator(dir.path()) != fs::directory_iterator(), true);
    for (const auto& entry : fs::directory_iterator(dir.path()))
        EXPECT_TRUE(entry.path() == path || entry.path().filename() == "disc")
            << "left behind: " << entry.path();

    IndexReader reader(path);
    ASSERT_EQ(reader.state(), IndexReader::State::Fresh);
    EXPECT_EQ(reader.pages(), 3u);
    EXPECT_EQ(reader.skipped(), 2u);
    bool complete = false;
    EXPECT_EQ(ReadAll(reader, &complete), SomePages());
    EXPECT_TRUE(complete);
}

TEST(IndexFile, AChangedPageAFileAddedOrAStartPageThatAppearedMakeItStale) {
    testkit::TempDir dir;
    const std::string page = dir.write("disc/page.htm", "<p>page</p>").string();
    const std::string folder = dir.str("disc");
    const std::string startPage = dir.str("disc/open.htm");
    const std::string path = dir.str("disc.index");
    const auto build = [&] {
        WriteIndex(
            path,
            {{page, StateOf(page)}, {folder, StateOf(folder)}, {startPage, StateOf(startPage)}});
        ASSERT_EQ(IndexReader(path).state(), IndexReader::State::Fresh);
    };
    build();
    std::ofstream(page, std::ios::app) << "<p>more</p>";
    EXPECT_EQ(IndexReader(path).state(), IndexReader::State::Stale) << "a page written";
    build();
    dir.write("disc/new.htm", "<p>new</p>");
    EXPECT_EQ(IndexReader(path).state(), IndexReader::State::Stale) << "a file added";
    build();
    fs::remove(dir.str("disc/new.htm"));
    dir.write("disc/open.htm", "<p>start</p>");
    EXPECT_EQ(IndexReader(path).state(), IndexReader::State::Stale) << "open.htm appeared";
}

TEST(IndexFile, EveryDamageIsNoticed) {
    testkit::TempDir dir;
    const std::string path = dir.str("disc.index");
    const auto put = [&](const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    };
    const auto usable = [&] {
        IndexReader reader(path);
        if (reader.state() != IndexReader::State::Fresh)
            return false;
        bool complete = false;
        ReadAll(reader, &complete);
        return complete;
    };
    // A file that watches nothing stays fresh whatever happens around it.
    WriteIndex(path, {});
    std::string good;
    {
        std::ifstream in(path, std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_TRUE(usable());
    // Each byte flipped, one at a time: no damaged file is ever read to the end as good.
    for (std::size_t i = 0; i < good.size(); ++i) {
        std::string damaged = good;
        damaged[i] = static_cast<char>(damaged[i] ^ 0x5A);
        put(damaged);
        EXPECT_FALSE(usable()) << "byte " << i << " of " << good.size();
    }
    // Every truncation too, and a file grown at its end.
    for (std::size_t size = 0; size < good.size(); size += 7) {
        put(good.substr(0, size));
        EXPECT_FALSE(usable()) << "cut to " << size;
    }
    put(good + "x");
    EXPECT_FALSE(usable()) << "one byte more";
    put(good);
    EXPECT_TRUE(usable());
}

TEST(IndexFile, ACacheThatCannotBeWrittenRefusesAtOnce) {
    // A cache folder that is a file (root writes into any folder, so this is the case the tests
    // can make whoever runs them).
    testkit::TempDir dir;
    dir.write("cache", "not a folder");
    EXPECT_THROW(IndexWriter(dir.str("cache/disc.index")), std::runtime_error);
}

TEST(IndexFile, AWriterThatNeverFinishesLeavesNothing) {
    testkit::TempDir dir;
    {
        IndexWriter writer(dir.str("disc.index"));
        writer.Add(SomePages()[0]);
    }
    EXPECT_TRUE(fs::is_empty(dir.path()));
    EXPECT_EQ(IndexReader(dir.str("disc.index")).state(), IndexReader::State::Missing);
}

} // namespace
} // namespace search
