#include "content/disc_confinement.h"
#include "content/page_files.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

using content::FindPageFile;
using content::PercentDecode;

TEST(PercentDecode, DecodesWellFormedEscapesOnly) {
    const struct {
        std::string written, decoded;
    } cases[] = {
        {"files/pic.png", "files/pic.png"},
        {"%41%62", "Ab"},
        {"%95%5C.htm", "\x95\x5C.htm"}, // Shift-JIS bytes stay bytes
        {"a%2Fb", "a/b"},
        {"%", "%"},
        {"%4", "%4"},
        {"100%", "100%"},
        {"%zz%4g", "%zz%4g"},
        {"%%41", "%A"},
        {"%-1% 1%+F", "%-1% 1%+F"}, // no digits, though strtol takes them
        {"%00x", std::string("\0x", 2)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PercentDecode(c.written), c.decoded) << c.written;
}

TEST(FindPageFile, AsWrittenThenIgnoringCaseThenAsShiftJis) {
    testkit::TempDir t;
    t.write("disc/_html/files/pic.png", "p");
    t.write("disc/_html/Soft/Util.htm", "u");
    t.write("disc/_html/soft/util.htm", "exact");
    t.write("disc/_html/\xE8\xA1\xA8/a.htm", "hyou"); // 表 in UTF-8 on the disc
    t.write("disc/menu/tree.txt", "t");
    t.write("outside.txt", "secret");
    t.write("OTHER/pic.png", "other");
    const std::string root = t.str("disc");
    const std::string html = root + "/_html/";

    const struct {
        std::string asked, found;
    } cases[] = {
        {html + "files/pic.png", html + "files/pic.png"},
        {html + "FILES/PIC.PNG", html + "files/pic.png"},
        {html + "Files/Pic.png", html + "files/pic.png"},
        {html + "SOFT/UTIL.HTM", html + "Soft/Util.htm"},       // of two case-matches, the smaller
        {html + "soft/util.htm", html + "soft/util.htm"},       // the exact one wins
        {html + "\x95\x5C/A.HTM", html + "\xE8\xA1\xA8/a.htm"}, // 表 as CP932, 0x5C no separator
        {html + "\xE8\xA1\xA8/a.htm", html + "\xE8\xA1\xA8/a.htm"},
        {html + "files/missing.png", html + "files/missing.png"}, // stays missing
        {html + "FILES/MISSING.PNG", html + "FILES/MISSING.PNG"},
        {html + "\xFF/a.htm", html + "\xFF/a.htm"},
        {html + "../MENU/TREE.TXT", html + "../menu/tree.txt"},
        {root, root},
        {t.str("other/PIC.PNG"), t.str("other/PIC.PNG")}, // beside the disc: not looked for
        {root + "-x/FILES/PIC.PNG", root + "-x/FILES/PIC.PNG"},
        {"_html/FILES/PIC.PNG", "_html/FILES/PIC.PNG"},
        {html + std::string("FILES\0/PIC.PNG", 14), html + std::string("FILES\0/PIC.PNG", 14)},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindPageFile(root, c.asked), c.found) << c.asked;
        EXPECT_EQ(FindPageFile(root + "/", c.asked), c.found) << c.asked << " (root with /)";
    }
    EXPECT_EQ(FindPageFile("", html + "FILES/PIC.PNG"), html + "FILES/PIC.PNG");

    // What the names lead to is still judged by the confinement check.
    const std::string climbing = FindPageFile(root, html + "../../OUTSIDE.TXT");
    EXPECT_EQ(climbing, html + "../../outside.txt");
    EXPECT_FALSE(content::InsideDiscRoot(root, climbing));
}

} // namespace
