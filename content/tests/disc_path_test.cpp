#include "content/disc_path.h"
#include "content/folder_listings.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

using content::ResolveDiscPath;

TEST(ResolveDiscPath, MatchesExactlyThenIgnoringAsciiCase) {
    testkit::TempDisc disc;
    disc.write("_html/Soft/Util.htm", "u");
    disc.write("_html/soft/util.htm", "exact"); // differs from the above only in case
    disc.write("_html/Feature/COVER.HTM", "c");
    disc.write("_html/\xE8\xA1\xA8/a.htm", "hyou"); // 表 in UTF-8 on the disc
    disc.write("_html/docs/\xE8\xAA\xAD\xE3\x82\x93\xE3\x81\xA7 1.txt", "d");
    const std::string dir = disc.htmlDir();

    const struct {
        const char* written; // as a content file writes it (CP932, backslashes)
        std::string found;   // relative to the content directory, native
    } cases[] = {
        {"soft\\util.htm", "soft/util.htm"}, // the exact name wins
        {"Soft\\Util.htm", "Soft/Util.htm"},
        {"SOFT\\UTIL.HTM", "Soft/Util.htm"}, // of two case-matches, the smaller name
        {"feature\\cover.htm", "Feature/COVER.HTM"},
        {"\x95\x5C\\A.HTM", "\xE8\xA1\xA8/a.htm"}, // 0x5C inside 表 is no separator
        {"docs\\\x93\xC7\x82\xF1\x82\xC5 1.txt", "docs/\xE8\xAA\xAD\xE3\x82\x93\xE3\x81\xA7 1.txt"},
        {"feature\\missing\\COVER.htm", "Feature/missing/COVER.htm"}, // rest joined as written
        {"", ""},
        {"feature\\", "Feature/"},
        {"..\\_html\\Soft\\Util.htm", "../_html/Soft/Util.htm"},
    };
    // The same answers with the folders listed once for all lookups.
    content::FolderListings listings;
    for (const auto& c : cases) {
        EXPECT_EQ(ResolveDiscPath(dir, c.written), dir + c.found) << c.written;
        EXPECT_EQ(ResolveDiscPath(dir, c.written, &listings), dir + c.found) << c.written;
    }
}

TEST(ResolveDiscPath, SharedListingsReadEachFolderOnce) {
    testkit::TempDisc disc;
    for (int i = 0; i < 20; ++i)
        disc.write("_html/Pages/Page" + std::to_string(i) + ".htm", "p");
    content::FolderListings listings;
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 20; ++i) {
            const std::string name = std::to_string(i) + ".htm";
            EXPECT_EQ(ResolveDiscPath(disc.htmlDir(), "pages\\page" + name, &listings),
                      disc.htmlDir() + "Pages/Page" + name);
            EXPECT_EQ(ResolveDiscPath(disc.htmlDir(), "pages\\missing" + name, &listings),
                      disc.htmlDir() + "Pages/missing" + name);
        }
    }
    EXPECT_EQ(listings.FoldersRead(), 2u); // the content directory and Pages
}

TEST(ResolveDiscPath, InvalidBytesNeverMatchAndNeverThrow) {
    testkit::TempDisc disc;
    disc.write("_html/a.htm", "a");
    const std::string resolved = ResolveDiscPath(disc.htmlDir(), "\xFF\\a.htm");
    EXPECT_EQ(resolved.rfind(disc.htmlDir(), 0), 0u);
    EXPECT_NE(resolved, disc.htmlDir() + "a.htm");
}

} // namespace
