// The page view's rules for the links of older discs, and which disc file a page's request
// reaches: no engine, no display.

#include "pageview/disc_file_provider.h"
#include "pageview/disc_request_guard.h"
#include "pageview/page_link_rules.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using namespace page_links;
using namespace std::chrono_literals;

QUrl Url(const char* text) {
    return QUrl(QString::fromUtf8(text));
}

TEST(PageLinks, EachKindOfAddressGoesWhereItBelongs) {
    const struct {
        const char* url;
        LinkAction link;
        NewWindowAction clickedNewWindow;
    } cases[] = {
        {"file:///disc/_html/p2.htm", LinkAction::Show, NewWindowAction::OpenPageWindow},
        // The guard's stand-in address for a file still in a disc image: its redirects are let be.
        {"quilcd-disc:///disc/_html/p2.htm", LinkAction::Show, NewWindowAction::OpenPageWindow},
        {"about:blank", LinkAction::Show, NewWindowAction::OpenPageWindow},
        {"", LinkAction::Refuse, NewWindowAction::OpenPageWindow}, // window.open('')
        {"http://www.quillore.example/", LinkAction::Show, NewWindowAction::HandToDesktop},
        {"mailto:editor@quillore.example?subject=%93%FA", LinkAction::OpenMail,
         NewWindowAction::HandToDesktop},
        {"quilcd-probe:run", LinkAction::Refuse, NewWindowAction::Refuse},
        {"javascript:alert(1)", LinkAction::Refuse, NewWindowAction::Refuse},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseLinkAction(Url(c.url)), c.link) << c.url;
        EXPECT_EQ(ChooseNewWindow(Url(c.url), true), c.clickedNewWindow) << c.url;
        // A window the page opens by itself is never shown, nor handed on.
        EXPECT_EQ(ChooseNewWindow(Url(c.url), false), NewWindowAction::Refuse) << c.url;
    }
}

TEST(PageLinks, PageWindowSizeKeepsEachSideOnTheScreen) {
    const struct {
        QSize requested, available, size;
    } cases[] = {
        {{300, 200}, {1024, 768}, {300, 200}},
        {{0, 0}, {1024, 768}, {800, 600}},        // target="_blank": nothing asked
        {{100000, -5}, {1024, 768}, {1024, 600}}, // absurd: the screen, and the default
        {{-300, 100000}, {1024, 768}, {800, 768}},
        {{1, 50}, {1024, 768}, {100, 100}}, // too small to use
        {{0, 0}, {640, 480}, {640, 480}},   // the default within a small screen
        {{300, 200}, {0, 0}, {1, 1}},       // no screen known: still a window
        {{INT_MAX, INT_MIN}, {1920, 1080}, {1920, 600}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PageWindowSize(c.requested, c.available), c.size)
            << c.requested.width() << "x" << c.requested.height();
}

TEST(PageLinks, OnlyTheDownloadOfAFileTheReaderClickedIsOpenedAndOnlyOnce) {
    enum Kind { Input, Link, Download };
    struct Step {
        Kind kind;
        std::chrono::milliseconds at;
        const char* file;
        bool opened; // for a download
    };
    const struct {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        {"a click",
         {{Input, 0ms, "", false},
          {Link, 200ms, "/d/setup.lzh", false},
          {Download, 300ms, "/d/setup.lzh", true},
          {Download, 400ms, "/d/setup.lzh", false}}},
        {"the page on its own (a timer, a scripted click)",
         {{Link, 0ms, "/d/setup.lzh", false}, {Download, 100ms, "/d/setup.lzh", false}}},
        {"long after the reader's input",
         {{Input, 0ms, "", false},
          {Link, 6000ms, "/d/setup.lzh", false},
          {Download, 6100ms, "/d/setup.lzh", false}}},
        {"a click on a page link, then the new page's script",
         {{Input, 0ms, "", false},
          {Link, 100ms, "/d/p2.htm", false},
          {Link, 900ms, "/d/setup.lzh", false},
          {Download, 1000ms, "/d/setup.lzh", false}}},
        {"a click, then the page's script goes elsewhere first",
         {{Input, 0ms, "", false},
          {Link, 100ms, "/d/setup.lzh", false},
          {Link, 150ms, "/d/other.lzh", false},
          {Download, 200ms, "/d/setup.lzh", false},
          {Download, 250ms, "/d/other.lzh", false}}},
        {"a click on a web link or on a file outside the disc",
         {{Input, 0ms, "", false}, {Link, 100ms, "", false}, {Download, 200ms, "", false}}},
    };
    const ReaderClicks::Clock::time_point start{};
    for (const auto& c : cases) {
        ReaderClicks clicks;
        int n = 0;
        for (const Step& step : c.steps) {
            ++n;
            switch (step.kind) {
            case Input:
                clicks.ReaderInput(start + step.at);
                break;
            case Link:
                clicks.LinkFollowed(step.file, start + step.at);
                break;
            case Download:
                EXPECT_EQ(clicks.TakeDownload(step.file), step.opened) << c.what << ", step " << n;
                break;
            }
        }
    }
}

// A disc whose files named big.* are still in its image: the guard only asks about them.
class HeldBackFiles final : public TDiscFileProvider {
public:
    HeldBackFiles() { SetDiscFileProvider(this); }
    ~HeldBackFiles() override { SetDiscFileProvider(nullptr); }
    bool IsReady(const std::string& path) const override {
        return path.find("/big.") == std::string::npos && !path.ends_with("/files");
    }
    void Provide(const std::string& path, std::function<void(bool)>) override {
        ADD_FAILURE() << "the guard waited for " << path;
    }
};

TEST(DiscRequestGuard, ReachesTheDiscFileUnderItsWindowsNameAndNothingOutsideTheDisc) {
    testkit::TempDir t;
    t.write("disc/_html/index.htm", "i");
    t.write("disc/_html/files/pic.png", "p");
    t.write("disc/_html/files/big.lzh", "");
    t.write("disc/_html/\xE8\xA1\xA8/a.htm", "hyou"); // 表 in UTF-8 on the disc
    t.write("outside.txt", "secret");
    t.write("linked/secret.txt", "secret");
    std::filesystem::create_directory_symlink(t.path() / "linked", t.path() / "disc/_html/out");
    ASSERT_EQ(::mkfifo(t.str("disc/_html/files/pipe.lzh").c_str(), 0600), 0);
    const std::string html = "file://" + t.str("disc/_html") + "/";
    const std::string held = "quilcd-disc://" + t.str("disc/_html") + "/";

    const HeldBackFiles provider;
    TDiscRequestGuard guard;
    using Kind = TDiscRequestGuard::Decision::Kind;
    const struct {
        std::string url;
        Kind kind;
        std::string redirectTo;
    } cases[] = {
        {html + "files/pic.png", Kind::Allow, ""},
        {html + "FILES/PIC.PNG", Kind::Redirect, html + "files/pic.png"},
        {html + "Files/Pic.png?v=2", Kind::Redirect, html + "files/pic.png?v=2"},
        {html + "%95%5C/A.HTM", Kind::Redirect, html + "%E8%A1%A8/a.htm"}, // Shift-JIS escaped
        {html + "%E8%A1%A8/a.htm", Kind::Allow, ""},
        {html + "files/missing.png", Kind::Allow, ""}, // the engine's own "not found"
        {html + "files", Kind::Allow, ""},             // a folder the engine lists, at once
        {html + "files/pipe.lzh", Kind::Block, ""},    // reading it would wait forever
        {html + "..%2F..%2FOUTSIDE.TXT", Kind::Block, ""},
        {"file://" + t.str("outside.txt"), Kind::Block, ""},
        {html + "out/secret.txt", Kind::Block, ""},
        {"file://fileserver" + t.str("disc/_html/index.htm"), Kind::Block, ""},
        {"FILE://fileserver" + t.str("disc/_html/index.htm"), Kind::Block, ""},
        {"http://www.quillore.example/", Kind::Allow, ""},
        {"data:text/html,x", Kind::Allow, ""},
        // A file still in the image waits under the program's scheme, whose handler sends it
        // back to the file's address; the scheme reaches nothing else.
        {html + "files/big.lzh", Kind::Redirect, held + "files/big.lzh"},
        {html + "FILES/BIG.LZH?v=2", Kind::Redirect, held + "files/big.lzh?v=2"},
        {held + "FILES/BIG.LZH", Kind::Answer, html + "files/big.lzh"},
        {held + "index.htm", Kind::Answer, html + "index.htm"},
        {held + "..%2F..%2FOUTSIDE.TXT", Kind::Block, ""},
        {held + "out/secret.txt", Kind::Block, ""},
        {held + "files/pipe.lzh", Kind::Block, ""},
        {"quilcd-disc://fileserver" + t.str("disc/_html/index.htm"), Kind::Block, ""},
    };
    guard.SetDiscRoot(t.str("disc"));
    for (const auto& c : cases) {
        const auto decision = guard.Decide(QUrl::fromEncoded(QByteArray::fromStdString(c.url)));
        EXPECT_EQ(decision.kind, c.kind) << c.url;
        EXPECT_EQ(decision.redirectTo.toString(QUrl::FullyEncoded).toStdString(), c.redirectTo)
            << c.url;
    }
    // The handler brings out a file, never a folder.
    EXPECT_EQ(guard.Decide(QUrl::fromEncoded(QByteArray::fromStdString(held + "files"))).file, "");
    // Before the disc is known, no local file at all.
    guard.SetDiscRoot("");
    for (const std::string& url : {html + "index.htm", held + "index.htm"})
        EXPECT_EQ(guard.Decide(QUrl::fromEncoded(QByteArray::fromStdString(url))).kind,
                  Kind::Block);
}

} // namespace
