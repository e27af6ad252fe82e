#include "content/page_reference.h"

#include <gtest/gtest.h>

namespace {

using content::JoinReference;
using Kind = content::JoinedReference::Kind;

TEST(JoinReference, JoinsAsTheEngineJoinsToAFileUrl) {
    const std::string base = "/disc/_html/news/a.htm";
    const struct {
        std::string written;
        Kind kind;
        std::string path;
        bool query = false;
        bool fragment = false;
        std::string host = {};
    } cases[] = {
        {"b.htm", Kind::File, "/disc/_html/news/b.htm"},
        {"pic\\top.gif", Kind::File, "/disc/_html/news/pic/top.gif"},
        {"..\\soft\\util.htm", Kind::File, "/disc/_html/soft/util.htm"},
        {"../../menu/readme.htm", Kind::File, "/disc/menu/readme.htm"},
        {"../../../../../etc/passwd", Kind::File, "/etc/passwd"}, // ".." stops at the root
        {"./x/./y/../z.htm", Kind::File, "/disc/_html/news/x/z.htm"},
        {"%2e%2E/b.htm", Kind::File, "/disc/_html/b.htm"},
        {".%2e/b.htm", Kind::File, "/disc/_html/b.htm"},
        {"...htm", Kind::File, "/disc/_html/news/...htm"},
        {"sub/..", Kind::File, "/disc/_html/news/"},
        {"sub/.", Kind::File, "/disc/_html/news/sub/"},
        {"/disc/_html/top.htm", Kind::File, "/disc/_html/top.htm"},
        {"\\disc\\x.htm", Kind::File, "/disc/x.htm"},
        {"%95%5C.htm", Kind::File, "/disc/_html/news/%95%5C.htm"}, // escapes stay for the lookup
        {"b.htm#top", Kind::File, "/disc/_html/news/b.htm", false, true},
        {"b.htm?q=1#x?y", Kind::File, "/disc/_html/news/b.htm", true, true},
        {"b.htm?a\\b", Kind::File, "/disc/_html/news/b.htm", true},
        {"#top", Kind::File, base, false, true},
        {"?page=2", Kind::File, base, true},
        {"", Kind::File, base},
        {" \t b\n.htm \r\n", Kind::File, "/disc/_html/news/b.htm"},
        {"file:b.htm", Kind::File, "/disc/_html/news/b.htm"},
        {"FILE:/disc/b.htm", Kind::File, "/disc/b.htm"},
        {"file:///disc/_html/../b.htm", Kind::File, "/disc/b.htm"},
        {"file://localhost/disc/b.htm", Kind::File, "/disc/b.htm"},
        {"file:////disc/b.htm", Kind::File, "//disc/b.htm"},
        {"///disc/b.htm", Kind::File, "/disc/b.htm"},
        {"file://Server/share/b.htm", Kind::OtherHost, "/share/b.htm", false, false, "server"},
        {"\\\\server\\share\\b.htm", Kind::OtherHost, "/share/b.htm", false, false, "server"},
        {"//server", Kind::OtherHost, "/", false, false, "server"},
        {"http://www.example.com/", Kind::OtherScheme, ""},
        {"HTTP:b.htm", Kind::OtherScheme, ""},
        {"mailto:editor@example.com", Kind::OtherScheme, ""},
        {"javascript:void(0)", Kind::OtherScheme, ""},
        {"C:\\setup.exe", Kind::OtherScheme, ""},
        {"a b:c.htm", Kind::File, "/disc/_html/news/a b:c.htm"}, // no valid scheme: relative
        {"dir/x:y.htm", Kind::File, "/disc/_html/news/dir/x:y.htm"},
        {":b.htm", Kind::File, "/disc/_html/news/:b.htm"},
    };
    for (const auto& c : cases) {
        const content::JoinedReference joined = JoinReference(base, c.written);
        EXPECT_EQ(joined.kind, c.kind) << c.written;
        EXPECT_EQ(joined.path, c.path) << c.written;
        EXPECT_EQ(joined.query, c.query) << c.written;
        EXPECT_EQ(joined.fragment, c.fragment) << c.written;
        EXPECT_EQ(joined.host, c.host) << c.written;
    }
}

TEST(JoinReference, KeepsTheFragmentAsWritten) {
    const struct {
        const char* written;
        const char* fragment;
    } cases[] = {{"b.htm?q=1#x?y#z", "x?y#z"},
                 {" #Part\\2 ", "Part\\2"},
                 {"#", ""},
                 {"#%E8%A1%A8", "%E8%A1%A8"},
                 {"b.htm#\t表\n", "表"}};
    for (const auto& c : cases)
        EXPECT_EQ(JoinReference("/d/a.htm", c.written).fragmentText, c.fragment) << c.written;
}

TEST(FileUrlPath, EncodesWhatAReferenceWouldReadOtherwise) {
    EXPECT_EQ(content::FileUrlPath("/disc/_html/表/a b.htm"), "/disc/_html/表/a b.htm");
    EXPECT_EQ(content::FileUrlPath("/d/100%/what?#\\x\t.htm"), "/d/100%25/what%3F%23%5Cx%09.htm");
    // A page in a directory named like an escape still finds its neighbours.
    EXPECT_EQ(JoinReference(content::FileUrlPath("/d/%41/a.htm"), "b.htm").path, "/d/%2541/b.htm");
}

} // namespace
