// Disc pages reach the disc only: the real view on a disc whose page tries to take the reader's
// files, to start programs and to save a download; the links of an older disc's pages (new
// windows, pop-ups, disc files, mail) doing what their authors meant without leaving the disc;
// and last the traces a shown disc leaves under the reader's home.

#include "pageview/html_engine.h"
#include "platform/shell_open.h"
#include "shared_state_scope.h"
#include "tests/support/child_process.h"
#include "tests/support/disc_lists.h"
#include "tests/support/files.h"
#include "tests/support/qt_wait.h"
#include "tests/support/temp_folder.h"
#include "ui/contents_tree_view.h"
#include "ui/tform1.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

using testkit::TempDir;

QString Text(const std::string& bytes) {
    return QString::fromStdString(bytes);
}

// --- the real view on a hostile disc ---

// A disc inside a directory of its own, so that the disc root's parent holds files of its own;
// every outside place holds the same set of secrets, each of which a page would notice.
class HostileDisc final {
public:
    HostileDisc() {
        testkit::WriteLists(m_dir.path() / "disc",
                            {{"Pages"}, {"\tHostile", "hostile.htm"}, {"\tSecond", "second.htm"}});
        m_dir.write("disc/_html/second.htm", "<html><head><title>second</title></head></html>");
        m_dir.write("disc/_html/setup.exe", std::string("MZ\x90\0\3\0\0\0", 8));
        WriteSet("disc/_html/inside", "INSIDE");
        WriteSet("disc/common/logo", "INSIDE"); // on the disc, beside the content directory
        WriteSet("parent", "SECRET");
        WriteSet("absolute/secret", "SECRET");
        WriteSet("linked/secret", "SECRET");
        fs::create_directory_symlink(m_dir.path() / "linked", m_dir.path() / "disc/_html/out");
        WriteSet(std::string(::getenv("HOME")) + "/quilcd-secret", "SECRET");
    }
    ~HostileDisc() {
        for (const char* ext : kExtensions)
            fs::remove(std::string(::getenv("HOME")) + "/quilcd-secret." + ext);
    }

    std::string root() const { return m_dir.str("disc"); }
    std::string htmlDir() const { return m_dir.str("disc/_html") + "/"; }
    std::string programDir() const { return m_dir.str("disc/menu") + "/"; }
    std::string outside(const std::string& relative) const { return m_dir.str(relative); }
    void writePage(const std::string& name, const std::string& html) const {
        m_dir.write("disc/_html/" + name, html);
    }

private:
    static constexpr const char* kExtensions[] = {"png", "htm", "txt", "js", "css"};

    // One file of each kind a page may load, all at the given path stem.
    void WriteSet(const std::string& stem, const std::string& mark) const {
        const fs::path base = fs::path(stem).is_absolute() ? fs::path(stem) : m_dir.path() / stem;
        fs::create_directories(base.parent_path());
        QImage picture(2, 2, QImage::Format_RGB32);
        picture.fill(Qt::red);
        picture.save(QString::fromStdString(base.string() + ".png"), "PNG");
        const auto put = [&](const char* ext, const std::string& bytes) {
            std::ofstream(base.string() + ext, std::ios::binary) << bytes;
        };
        put(".htm", "<html><body>" + mark + "</body></html>");
        put(".txt", mark);
        put(".js", "window.ran = (window.ran || 0) + 1;");
        put(".css", "body { }");
    }

    TempDir m_dir;
};

// Each probe loads one address one way; the page records in `results` whether its content
// arrived, and `results` is complete when every probe has answered.
struct Probe {
    std::string key;
    std::string kind; // img, frame, xhr, fetch, script, style
    std::string url;
};

// Counts, in the page, the reader's own clicks (not a script's) on each link, by its id, so that
// a test knows its click landed.
constexpr const char* kClickRecorder = R"(<script>
var clicks = {};
document.addEventListener('click', function (e) {
  var link = e.target.closest ? e.target.closest('a') : null;
  if (e.isTrusted && link) clicks[link.id] = (clicks[link.id] || 0) + 1;
}, true);
</script>)";

std::string ProbePage(const std::vector<Probe>& probes) {
    std::string page = std::string(R"(<html><head><title>hostile</title>)") + kClickRecorder +
                       R"(</head><body>
<style>.big { position: absolute; left: 0; width: 200px; height: 60px; }</style>
<a id="second" href="second.htm">second</a> <a id="away" href="../../parent.htm">away</a>
<a id="setup" href="setup.exe">setup</a>
<a id="mail" class="big" style="top: 40px" href="mailto:reader@quillore.example">mail</a>
<a id="app" class="big" style="top: 120px" href="quilcd-probe:run">app</a>
<a id="site" class="big" style="top: 200px" href="http://127.0.0.1:9/">site</a>
<script>
var results = {}, expected = 0;
function done(key, ok) { results[key] = ok; }
function marked(text) { return text.indexOf('SECRET') >= 0 || text.indexOf('INSIDE') >= 0; }
function probe(kind, key, url) {
  expected++;
  if (kind == 'img') {
    var i = new Image(); i.onload = function() { done(key, true); };
    i.onerror = function() { done(key, false); }; i.src = url;
  } else if (kind == 'frame') {
    var f = document.createElement('iframe');
    f.onload = function() {
      try { done(key, marked(f.contentDocument.body.innerText)); } catch (e) { done(key, false); }
    };
    f.src = url; document.body.appendChild(f);
  } else if (kind == 'xhr') {
    var x = new XMLHttpRequest();
    x.onload = function() { done(key, marked(x.responseText)); };
    x.onerror = function() { done(key, false); };
    try { x.open('GET', url); x.send(); } catch (e) { done(key, false); }
  } else if (kind == 'fetch') {
    fetch(url).then(function(r) { return r.text(); })
      .then(function(t) { done(key, marked(t)); }, function() { done(key, false); });
  } else if (kind == 'script' || kind == 'style') {
    var s = document.createElement(kind == 'script' ? 'script' : 'link');
    if (kind == 'style') { s.rel = 'stylesheet'; s.href = url; } else { s.src = url; }
    s.onload = function() { done(key, true); }; s.onerror = function() { done(key, false); };
    document.head.appendChild(s);
  }
}
)";
    for (const Probe& p : probes)
        page += "probe('" + p.kind + "', '" + p.key + "', '" + p.url + "');\n";
    return page + "</script></body></html>";
}

std::vector<Probe> Probes(const HostileDisc& disc, bool inside) {
    const std::string home = ::getenv("HOME");
    const std::vector<std::pair<std::string, std::string>> places =
        inside ? std::vector<std::pair<std::string, std::string>>{{"content", "inside"},
                                                                  {"disc", "../common/logo"}}
               : std::vector<std::pair<std::string, std::string>>{
                     {"parent", "../../parent"},
                     {"home", "file://" + home + "/quilcd-secret"},
                     {"absolute", "file://" + disc.outside("absolute/secret")},
                     {"link", "out/secret"}};
    const std::pair<const char*, const char*> kinds[] = {{"img", "png"},   {"frame", "htm"},
                                                         {"xhr", "txt"},   {"fetch", "txt"},
                                                         {"script", "js"}, {"style", "css"}};
    std::vector<Probe> probes;
    for (const auto& [place, stem] : places)
        for (const auto& [kind, ext] : kinds)
            probes.push_back({place + " " + kind, kind, stem + "." + ext});
    return probes;
}

// The window with the real view on a disc made by the test, its start page loaded, and the ways
// a test acts in it as the reader would.
class RealViewTest : public testing::Test {
protected:
    void ShowDisc(const std::string& programDir, const std::string& htmlDir,
                  const QString& startTitle) {
        state.emplace(programDir, htmlDir, &reports);
        form = std::make_unique<TForm1>();
        form->show();
        view = qobject_cast<QWebEngineView*>(form->WebBrowser);
        ASSERT_NE(view, nullptr);
        QObject::connect(view->page(), &QWebEnginePage::loadingChanged,
                         [this](const QWebEngineLoadingInfo& info) {
                             if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
                                 failures[info.url()] = info.errorCode();
                             if (info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                                 ++loaded;
                         });
        ASSERT_TRUE(WaitFor([&] { return view->title() == startTitle; }));
    }
    void TearDown() override {
        form.reset();
        EXPECT_TRUE(reports.isEmpty()) << reports.join(QLatin1Char('\n')).toStdString();
    }

    QVariant Evaluate(const QString& script, QWebEngineView* in = nullptr) {
        QVariant result;
        bool answered = false;
        (in ? in : view)->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            answered = true;
        });
        EXPECT_TRUE(WaitFor([&] { return answered; }));
        return result;
    }

    // Shows a page of the disc again and waits until the new load has finished: the page already
    // shown may have the same title, and a click sent before the new page is in would be lost.
    void ShowPageAgain(const std::string& page) {
        const int before = loaded;
        form->NavigateTo(QUrl::fromLocalFile(Text(HtmlDir + page)));
        ASSERT_TRUE(WaitFor([&] { return loaded > before; }));
        ASSERT_TRUE(WaitFor([this] {
            return Evaluate(QStringLiteral("document.readyState == 'complete'")).toBool();
        }));
    }

    // A script's click on a link: no gesture of the reader's.
    void ScriptClick(const char* id) {
        view->page()->runJavaScript(
            QStringLiteral("document.getElementById('%1').click();").arg(QString::fromLatin1(id)));
    }

    // The reader's click with the mouse on the middle of the link, until the page saw it (or,
    // for a link that leaves the page, until `left` holds). A busy engine may drop a click that
    // comes while it is still laying the page out or turning an earlier click away; such a click
    // is made again.
    bool ReaderClick(const char* id, const std::function<bool()>& left = {}) {
        const QString count = QStringLiteral("clicks['%1'] || 0").arg(QString::fromLatin1(id));
        const int before = Evaluate(count).toInt();
        const QVariantList middle =
            Evaluate(QStringLiteral("(function () { var r = document.getElementById('%1')"
                                    ".getBoundingClientRect(); return [r.left + r.width / 2, "
                                    "r.top + r.height / 2]; })()")
                         .arg(QString::fromLatin1(id)))
                .toList();
        if (middle.size() != 2 || !view->focusProxy())
            return false;
        const QPoint at(middle[0].toInt(), middle[1].toInt());
        const auto landed = [&] {
            return (left && left()) || Evaluate(count).toInt() > before;
        };
        return WaitFor(
            [&] {
                QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, at);
                return WaitFor(landed, 3000);
            },
            30000);
    }

    QStringList reports;
    std::optional<SharedStateScope> state; // declared before the window: it outlives it
    std::unique_ptr<TForm1> form;
    QWebEngineView* view = nullptr;
    std::map<QUrl, int> failures; // failed loads of the view's page, by address: the error code
    int loaded = 0;               // loads of the view's page that succeeded
};

// The engine's codes for a request the guard stopped, and for a local page's script reaching
// for the network.
constexpr int kBlockedByClient = -20;
constexpr int kNetworkAccessDenied = -138;

// The window with the real view on the hostile disc, its start page loaded.
class RealViewOnHostileDisc : public RealViewTest {
protected:
    void SetUp() override {
        std::vector<Probe> all = Probes(disc, true);
        const std::vector<Probe> outside = Probes(disc, false);
        all.insert(all.end(), outside.begin(), outside.end());
        disc.writePage("hostile.htm", ProbePage(all));
        ShowDisc(disc.programDir(), disc.htmlDir(), QStringLiteral("hostile"));
    }

    // What each probe of the page shown got, once all have answered.
    QJsonObject ProbeResults() {
        EXPECT_TRUE(WaitFor([this] {
            return Evaluate(QStringLiteral("Object.keys(results).length == expected")).toBool();
        }));
        return QJsonDocument::fromJson(
                   Evaluate(QStringLiteral("JSON.stringify(results)")).toString().toUtf8())
            .object();
    }

    HostileDisc disc;
};

TEST_F(RealViewOnHostileDisc, PageGetsTheDiscAndNothingFromOutsideIt) {
    const QJsonObject guarded = ProbeResults();
    for (const Probe& p : Probes(disc, true))
        EXPECT_TRUE(guarded.value(Text(p.key)).toBool()) << p.key << " " << p.url;
    for (const Probe& p : Probes(disc, false))
        EXPECT_FALSE(guarded.value(Text(p.key)).toBool()) << p.key << " " << p.url;

    // The same page with the whole file system for its disc gets every secret: the probes can
    // see a leak, and only the disc root kept them out.
    ConfineHtmlEngineToDisc("/_html/");
    Evaluate(QStringLiteral("window.stale = true;"));
    view->reload();
    ASSERT_TRUE(WaitFor([this] {
        return Evaluate(QStringLiteral("window.stale === undefined && document.readyState == "
                                       "'complete'"))
            .toBool();
    }));
    const QJsonObject open = ProbeResults();
    for (const Probe& p : Probes(disc, false))
        EXPECT_TRUE(open.value(Text(p.key)).toBool()) << p.key << " " << p.url;
}

TEST_F(RealViewOnHostileDisc, LinksGoToDiscPagesAndWebSitesButNotOutside) {
    ScriptClick("second");
    ASSERT_TRUE(WaitFor([this] { return view->title() == QStringLiteral("second"); }));
    EXPECT_EQ(form->TreeView->SelectedNode(), 2);

    form->TreeView->SelectNode(1);
    ASSERT_TRUE(WaitFor([this] { return view->title() == QStringLiteral("hostile"); }));
    ScriptClick("away");
    const QUrl away = QUrl::fromLocalFile(Text(disc.outside("parent.htm")));
    ASSERT_TRUE(WaitFor([&] { return failures.count(away) == 1; }));
    EXPECT_EQ(failures[away], kBlockedByClient);

    // A script cannot carry anything off to a web site by following a link itself: the engine
    // refuses a local page's way to the network. The reader's click follows the link; no web
    // site answers on that port here, so it fails for want of a server, not because anything
    // stopped it.
    const QUrl site(QStringLiteral("http://127.0.0.1:9/")); // refused at once: nothing listens
    ShowPageAgain("hostile.htm");
    ScriptClick("site");
    ASSERT_TRUE(WaitFor([&] { return failures.count(site) == 1; }));
    EXPECT_EQ(failures[site], kNetworkAccessDenied);

    failures.clear();
    ShowPageAgain("hostile.htm");
    const auto reached = [&] {
        return failures.count(site) == 1 || view->url() == site;
    };
    ASSERT_TRUE(ReaderClick("site", reached));
    ASSERT_TRUE(WaitFor(reached, 30000));
    if (failures.count(site) == 1) {
        EXPECT_NE(failures[site], kBlockedByClient);
        EXPECT_NE(failures[site], kNetworkAccessDenied);
    }
}

// Stands in for the desktop for as long as it lives: takes what the program hands over itself
// (web sites, mail, disc files) and what the engine would hand over on its own for the schemes a
// page may try, each in its own list.
class StandInDesktop final : public QObject {
    Q_OBJECT
public:
    StandInDesktop() {
        platform::SetDesktopOpenerForTesting([this](const QUrl& url) { handed << url; });
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~StandInDesktop() override {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        platform::SetDesktopOpenerForTesting(nullptr);
    }
    StandInDesktop(const StandInDesktop&) = delete;
    StandInDesktop& operator=(const StandInDesktop&) = delete;

    QList<QUrl> handed;   // by the program, through its one way to the desktop
    QList<QUrl> byEngine; // by the engine, bypassing the program
public slots:
    void open(const QUrl& url) { byEngine << url; }

private:
    static constexpr const char* kSchemes[] = {"mailto", "quilcd-probe", "file", "http", "https"};
};

QString Listed(const QList<QUrl>& urls) {
    QStringList texts;
    for (const QUrl& url : urls)
        texts << url.toString(QUrl::FullyEncoded);
    return texts.join(QLatin1Char(' '));
}

TEST_F(RealViewOnHostileDisc, NothingThePageDoesStartsAProgramOrSavesAFile) {
    StandInDesktop desktop;

    // The reader's clicks: the application's scheme goes nowhere, the mail address to the
    // desktop's mail program. The engine answers them in turn, so once the mail has arrived the
    // click before it has been turned away, or handed on too.
    ASSERT_TRUE(ReaderClick("app"));
    ASSERT_TRUE(ReaderClick("mail"));
    const QUrl mail(QStringLiteral("mailto:reader@quillore.example"));
    ASSERT_TRUE(WaitFor([&] { return !desktop.handed.isEmpty(); }));

    QList<QWebEngineDownloadRequest::DownloadState> downloads;
    fs::path saved;
    const QObject scope; // the profile outlives the test
    QObject::connect(view->page()->profile(), &QWebEngineProfile::downloadRequested, &scope,
                     [&](QWebEngineDownloadRequest* download) {
                         downloads << download->state();
                         saved = fs::path(download->downloadDirectory().toStdString()) /
                                 download->downloadFileName().toStdString();
                     });
    // The page's own click on the installer link: the download is cancelled and handed to
    // nobody. On a busy machine the engine may still be turning the clicks above away when this
    // one comes, and drop it; a click that brings no download is made again.
    ASSERT_TRUE(WaitFor(
        [&] {
            ScriptClick("setup");
            return WaitFor([&] { return !downloads.isEmpty(); }, 3000);
        },
        20000));
    EXPECT_EQ(downloads.front(), QWebEngineDownloadRequest::DownloadCancelled);
    EXPECT_EQ(desktop.handed, QList<QUrl>{mail}) << Listed(desktop.handed).toStdString();
    EXPECT_TRUE(desktop.byEngine.isEmpty()) << Listed(desktop.byEngine).toStdString();
    EXPECT_FALSE(fs::exists(saved)) << saved;
}

// --- the links of an older disc ---

// A disc whose start page holds the links of its day: new windows, pop-ups, a web site for a new
// window, mail, an archive and a program on the disc under their Windows names, a pipe, a file
// beside the disc, and a page that tries all of it by itself.
class OlderDisc final {
public:
    OlderDisc() {
        testkit::WriteLists(m_dir.path() / "disc",
                            {{"Pages"}, {"\tLinks", "links.htm"}, {"\tSecond", "second.htm"}});
        m_dir.write("disc/_html/links.htm", LinksPage());
        m_dir.write("disc/_html/second.htm", "<html><head><title>second</title></head></html>");
        m_dir.write("disc/_html/shot.htm", "<html><head><title>shot</title></head></html>");
        // On load, on a timer and by its own click: downloads, a pop-up, the mail program.
        m_dir.write("disc/_html/auto.htm",
                    "<html><head><title>auto</title></head><body onload=\""
                    "window.open('shot.htm', 'auto', 'width=300,height=200');"
                    "location.href = 'files/setup.lzh';"
                    "setTimeout(function () { document.getElementById('m').click(); }, 100);"
                    "setTimeout(function () { location.href = 'FILES/SETUP.LZH'; }, 400);\">"
                    "<a id=\"m\" href=\"mailto:editor@quillore.example\">m</a></body></html>");
        m_dir.write("disc/_html/files/setup.lzh", "-lh5-");
        m_dir.write("disc/_html/files/run.sh", "#!/bin/sh\npwd > ran-in.txt\n");
        fs::permissions(m_dir.path() / "disc/_html/files/run.sh", fs::perms::owner_all);
        ::mkfifo(m_dir.str("disc/_html/files/pipe.lzh").c_str(), 0600);
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.save(Text(m_dir.str("disc/_html/files/pic.png")), "PNG");
        picture.save(QString::fromUtf8(m_dir.str("disc/_html/\xE8\xA1\xA8.png")), "PNG"); // 表
        m_dir.write("outside.lzh", "-lh5-");
    }

    std::string programDir() const { return m_dir.str("disc/menu") + "/"; }
    std::string htmlDir() const { return m_dir.str("disc/_html") + "/"; }
    std::string file(const std::string& relative) const { return m_dir.str(relative); }

    static constexpr const char* kMail = "mailto:editor@quillore.example?subject=%93%C7%8E%D2";
    static constexpr const char* kSite = "http://www.quillore.example/";

private:
    static std::string LinksPage() {
        const std::pair<const char*, std::string> links[] = {
            {"blank", R"(href="second.htm" target="_blank")"},
            {"named", R"(href="second.htm" target="gallery")"},
            {"pop",
             R"js(href="javascript:window.open('shot.htm','pop','width=300,height=200')")js"},
            {"more", R"js(href="javascript:window.open('shot.htm','w' + (n++))")js"},
            {"site", std::string("href=\"") + kSite + "\" target=\"_blank\""},
            {"mail", std::string("href=\"") + kMail + "\""},
            {"app", R"(href="quilcd-probe:run")"},
            {"lzh", R"(href="FILES/SETUP.LZH")"},
            {"run", R"(href="Files/Run.sh")"},
            {"pipe", R"(href="files/pipe.lzh")"},
            {"away", R"(href="../../outside.lzh")"},
            {"auto", R"(href="auto.htm")"},
        };
        std::string page = std::string("<html><head><title>links</title>") + kClickRecorder +
                           "<script>var n = 0;</script><style>a { position: absolute; width: "
                           "250px; height: 34px; background: #ddd; }</style></head><body>"
                           "<img id=\"pic\" src=\"FILES/PIC.PNG\"><img id=\"sjis\" "
                           "src=\"%95%5C.png\">";
        int i = 0;
        for (const auto& [id, attributes] : links) {
            page += "<a id=\"" + std::string(id) + "\" " + attributes +
                    " style=\"left: " + std::to_string(i % 2 * 270) +
                    "px; top: " + std::to_string(40 + i / 2 * 44) + "px\">" + id + "</a>";
            ++i;
        }
        return page + "</body></html>";
    }

    TempDir m_dir;
};

// The window with the real view on the older disc, its start page loaded.
class RealViewOnOlderDisc : public RealViewTest {
protected:
    void SetUp() override { ShowDisc(disc.programDir(), disc.htmlDir(), QStringLiteral("links")); }

    // The page windows on the screen now, oldest first.
    static QList<QWidget*> PageWindows() {
        QList<QWidget*> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QStringLiteral("PageWindow") && window->isVisible())
                windows << window;
        return windows;
    }

    // Clicks a link that opens a window, and waits for the window that was not there before.
    QWidget* NewWindowFrom(const char* id) {
        const QList<QWidget*> before = PageWindows();
        const auto opened = [&] {
            for (QWidget* window : PageWindows())
                if (!before.contains(window))
                    return window;
            return static_cast<QWidget*>(nullptr);
        };
        if (!ReaderClick(id) || !WaitFor([&] { return opened() != nullptr; }))
            return nullptr;
        return opened();
    }

    OlderDisc disc;
};

TEST_F(RealViewOnOlderDisc, ThePageGetsWindowsOnTheReadersClickOnly) {
    const int history = view->history()->count();

    // target="_blank": the page in a window of its own; the tree and the main view stay.
    QWidget* blank = NewWindowFrom("blank");
    ASSERT_NE(blank, nullptr);
    EXPECT_TRUE(WaitFor([&] { return blank->windowTitle() == QStringLiteral("second"); }));
    EXPECT_EQ(form->TreeView->SelectedNode(), 1);
    EXPECT_EQ(view->title(), QStringLiteral("links"));
    EXPECT_EQ(view->history()->count(), history);

    // So does a target no window has.
    ASSERT_NE(NewWindowFrom("named"), nullptr);

    // The screenshot pop-up, at the size it asked for.
    QWidget* pop = NewWindowFrom("pop");
    ASSERT_NE(pop, nullptr);
    EXPECT_EQ(pop->size(), QSize(300, 200));
    EXPECT_TRUE(WaitFor([&] { return pop->windowTitle() == QStringLiteral("shot"); }));

    // window.close() in the pop-up closes its window.
    QPointer<QWidget> closing = pop;
    Evaluate(QStringLiteral("window.close(); true"), pop->findChild<QWebEngineView*>());
    EXPECT_TRUE(WaitFor([&] { return closing.isNull(); }));

    // A page that opens window after window keeps eight at most: the oldest goes.
    const QPointer<QWidget> oldest = blank;
    for (int opened = 0; opened < 7; ++opened)
        ASSERT_NE(NewWindowFrom("more"), nullptr) << opened;
    EXPECT_EQ(PageWindows().size(), 8);
    EXPECT_TRUE(WaitFor([&] { return oldest.isNull(); }));

    // All go with the main window.
    form->close();
    EXPECT_TRUE(WaitFor([] { return PageWindows().isEmpty(); }));
}

TEST_F(RealViewOnOlderDisc, ClickedLinksHandWebSitesMailAndDiscFilesToTheDesktop) {
    StandInDesktop desktop;
    // Pictures named as Windows saw them: in another case, and escaped in Shift-JIS.
    for (const char* picture : {"pic", "sjis"})
        EXPECT_TRUE(WaitFor([&] {
            return Evaluate(QStringLiteral("document.getElementById('%1').naturalWidth == 4")
                                .arg(QString::fromLatin1(picture)))
                .toBool();
        })) << picture;

    const QList<QUrl> expected = {
        QUrl::fromEncoded(OlderDisc::kSite),
        QUrl::fromEncoded(OlderDisc::kMail),
        QUrl::fromLocalFile(Text(disc.file("disc/_html/files/setup.lzh"))),
    };
    // The application's scheme goes nowhere; the engine answers the clicks in turn, so by the
    // time the archive has been handed over, it has been turned away or handed over too.
    for (const char* id : {"site", "mail", "app", "lzh"})
        ASSERT_TRUE(ReaderClick(id)) << id;
    ASSERT_TRUE(WaitFor([&] { return desktop.handed.size() >= expected.size(); }));
    EXPECT_EQ(desktop.handed, expected) << Listed(desktop.handed).toStdString();

    // A program on the disc starts itself, in its own directory, as a launch button starts it.
    const std::string ranIn = disc.file("disc/_html/files/ran-in.txt");
    ASSERT_TRUE(ReaderClick("run"));
    ASSERT_TRUE(WaitFor([&] { return fs::exists(ranIn) && fs::file_size(ranIn) > 0; }));
    std::string directory;
    std::getline(std::ifstream(ranIn), directory);
    EXPECT_EQ(directory, disc.file("disc/_html/files"));

    EXPECT_TRUE(desktop.byEngine.isEmpty()) << Listed(desktop.byEngine).toStdString();
    EXPECT_TRUE(PageWindows().isEmpty()); // the web site went to the browser, not to a window
    EXPECT_EQ(form->TreeView->SelectedNode(), 1);
}

TEST_F(RealViewOnOlderDisc, WhatThePageStartsByItselfOrWhatLiesOffTheDiscGoesToNobody) {
    StandInDesktop desktop;
    // A pipe on the disc and an archive beside it: the reader's click gets neither read.
    const QUrl pipe = QUrl::fromLocalFile(Text(disc.file("disc/_html/files/pipe.lzh")));
    const QUrl away = QUrl::fromLocalFile(Text(disc.file("outside.lzh")));
    ASSERT_TRUE(ReaderClick("pipe", [&] { return failures.count(pipe) == 1; }));
    ASSERT_TRUE(WaitFor([&] { return failures.count(pipe) == 1; }));
    EXPECT_EQ(failures[pipe], kBlockedByClient);
    ShowPageAgain("links.htm");
    ASSERT_TRUE(ReaderClick("away", [&] { return failures.count(away) == 1; }));
    ASSERT_TRUE(WaitFor([&] { return failures.count(away) == 1; }));
    EXPECT_EQ(failures[away], kBlockedByClient);
    ShowPageAgain("links.htm");

    // After the reader's click on a page link, that page downloads the archive on load and on a
    // timer, opens a pop-up and clicks a mail link by itself.
    int downloads = 0;
    const QObject scope; // the profile outlives the test
    QObject::connect(view->page()->profile(), &QWebEngineProfile::downloadRequested, &scope,
                     [&](QWebEngineDownloadRequest*) { ++downloads; });
    ASSERT_TRUE(ReaderClick("auto", [&] { return view->title() == QStringLiteral("auto"); }));
    // The page's own mail click comes between the two downloads, and has been turned away, or
    // handed on, by the time the second one is asked for.
    ASSERT_TRUE(WaitFor([&] { return downloads == 2; }));
    EXPECT_TRUE(desktop.handed.isEmpty()) << Listed(desktop.handed).toStdString();
    EXPECT_TRUE(desktop.byEngine.isEmpty()) << Listed(desktop.byEngine).toStdString();
    EXPECT_TRUE(PageWindows().isEmpty());
    EXPECT_TRUE(form->isVisible());
}

// --- the reader's home ---

// Shows a disc's pages in the window as the program does, from start-up to shutdown, in a
// process of its own started by the test below; the exit code says whether all pages showed.
int ShowPagesAndQuit(const std::string& discRoot) {
    const SharedStateScope state(discRoot + "/menu/", discRoot + "/_html/");
    StartHtmlEngine();
    int shown = 0;
    {
        TForm1 form;
        form.show();
        auto* view = qobject_cast<QWebEngineView*>(form.WebBrowser);
        QObject::connect(view, &QWebEngineView::loadFinished, [&](bool ok) { shown += ok; });
        for (int node : {2, 3}) {
            WaitFor([&] { return shown == node - 1; });
            form.TreeView->SelectNode(node);
        }
        WaitFor([&] { return shown == 3; });
        form.close();
    }
    StopHtmlEngine();
    return shown == 3 ? 0 : 1;
}

TEST(ReadersHome, ShowingADiscWritesNothingThere) {
    TempDir disc, home;
    testkit::WriteLists(
        disc.path(),
        {{"Pages"}, {"\tOne", "one.htm"}, {"\tTwo", "two.htm"}, {"\tThree", "three.htm"}});
    // Pages that keep what a browser would keep: cookies, stored values, visited links, pictures.
    for (const char* page : {"one", "two", "three"})
        disc.write(std::string("_html/") + page + ".htm",
                   "<html><body><img src=\"logo.png\"><a href=\"one.htm\">one</a><script>"
                   "document.cookie = 'seen=1; max-age=99999'; localStorage.setItem('seen', '1');"
                   "</script></body></html>");
    QImage(8, 8, QImage::Format_RGB32).save(Text(disc.str("_html/logo.png")), "PNG");

    // Everything defaults to the home; what the child prints stays beside the disc.
    const std::optional<testkit::ExitStatus> status =
        testkit::RunToEnd({{QCoreApplication::applicationFilePath().toStdString(),
                            "--show-pages-and-quit", disc.str()},
                           testkit::EnvironmentWith({"XDG_CONFIG_HOME", "XDG_CACHE_HOME",
                                                     "XDG_DATA_HOME", "XDG_STATE_HOME"},
                                                    {"HOME=" + home.str()}),
                           disc.path() / "child.log",
                           -1},
                          std::chrono::seconds(90));
    ASSERT_TRUE(status) << "still running after 90 s";
    EXPECT_EQ(*status, testkit::ExitStatus::Exited(0))
        << "not every page showed:\n"
        << testkit::ReadFile(disc.path() / "child.log");

    QStringList written;
    QDirIterator entries(Text(home.str()), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        written << entries.next();
    EXPECT_TRUE(written.isEmpty()) << written.join(QLatin1Char('\n')).toStdString();
}

} // namespace

int ShowPagesAndQuitForTest(const std::string& discRoot) {
    return ShowPagesAndQuit(discRoot);
}

#include "disc_confinement_test.moc"
