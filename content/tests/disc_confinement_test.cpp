// Which local files the disc's pages may reach: the disc root and the check that keeps a page's
// files inside it, judged after climbs and links are resolved.

#include "content/disc_confinement.h"
#include "content/folder_listings.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

using content::DiscRootOf;
using content::InsideDiscRoot;
using testkit::TempDir;

TEST(InsideDiscRoot, ResolvesClimbsAndLinksBeforeJudging) {
    TempDir t;
    t.write("disc/_html/page.htm", "page");
    t.write("disc/menu/tree.txt", "tree");
    t.write("disc-other/page.htm", "other");
    t.write("outside/secret.txt", "secret");
    t.write("top-secret.txt", "secret");
    fs::create_directory_symlink(t.path() / "outside", t.path() / "disc/_html/out");
    fs::create_directory_symlink("../menu", t.path() / "disc/_html/menu-link");
    fs::create_symlink("loop", t.path() / "disc/_html/loop");
    fs::create_symlink(t.path() / "outside/secret.txt", t.path() / "disc/_html/secret.htm");
    fs::create_symlink("page.htm", t.path() / "disc/_html/alias.htm");
    const std::string root = t.str("disc");
    // Read by the system only up to the NUL: the page, not the secret the whole path names.
    static constexpr char kCutShort[] = "/_html/page.htm\0/../../../top-secret.txt";

    const struct {
        std::string path;
        bool inside;
    } cases[] = {
        {root + "/_html/page.htm", true},
        {root, true},
        {root + "/", true},
        {root + "/_html/../menu/tree.txt", true},
        {root + "/_html/menu-link/tree.txt", true}, // a link that stays on the disc
        {root + "/_html/not-there/page.htm", true}, // missing, but would be on the disc
        {root + "/_html/../../outside/secret.txt", false},
        {root + "/_html/not-there/../../../top-secret.txt", false},
        {root + "/_html/out/secret.txt", false},        // a link on the disc pointing out
        {root + "/_html/out/not-there.txt", false},     // behind that link, even when missing
        {root + "/_html/out/../top-secret.txt", false}, // the link is followed before the ".."
        {t.str("disc-other/page.htm"), false},          // a name that only begins like the root
        {root + "-other/page.htm", false},
        {t.str("top-secret.txt"), false},
        {root + "/_html/loop/page.htm", false}, // a link that never resolves
        {root + "/_html/secret.htm", false},    // a file's own link pointing out
        {root + "/_html/alias.htm", true},      // and one that stays
        {root + "/_html/..", true},
        {root + "/_html/../..", false},
        {"", false},
        {"_html/page.htm", false},
        {root + std::string(kCutShort, sizeof kCutShort - 1), false},
    };
    // The same answers with each folder resolved once for all the files judged.
    content::FolderListings listings;
    for (int round = 0; round < 2; ++round) {
        for (const auto& c : cases) {
            EXPECT_EQ(InsideDiscRoot(root, c.path), c.inside) << c.path;
            EXPECT_EQ(InsideDiscRoot(root + "/", c.path), c.inside) << c.path << " (root with /)";
            EXPECT_EQ(InsideDiscRoot(root, c.path, listings), c.inside) << c.path << " (listings)";
        }
    }
    EXPECT_FALSE(InsideDiscRoot("", root + "/_html/page.htm"));
    EXPECT_FALSE(InsideDiscRoot("disc", root + "/_html/page.htm"));
    EXPECT_TRUE(InsideDiscRoot("/", t.str("top-secret.txt")));
}

TEST(DiscRootOf, IsTheContentDirectorysParentResolved) {
    TempDir t;
    fs::create_directories(t.path() / "disc/_html");
    fs::create_directories(t.path() / "elsewhere/_html");
    fs::create_directory_symlink(t.path() / "disc", t.path() / "disc-link");
    fs::create_directories(t.path() / "linked-content");
    fs::create_directory_symlink(t.path() / "elsewhere/_html", t.path() / "linked-content/_html");

    EXPECT_EQ(DiscRootOf(t.str("disc/_html/")), t.str("disc"));
    EXPECT_EQ(DiscRootOf(t.str("disc/_html")), t.str("disc"));
    EXPECT_EQ(DiscRootOf(t.str("disc-link/_html/")), t.str("disc"));
    // A content directory that is itself a link: the disc is where the program found it.
    EXPECT_EQ(DiscRootOf(t.str("linked-content/_html/")), t.str("linked-content"));
    EXPECT_EQ(DiscRootOf(""), "");
    EXPECT_EQ(DiscRootOf("_html/"), "");
}

} // namespace
