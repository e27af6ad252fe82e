// Disc pages reach the disc only: the real view on a disc whose page tries to take the reader's
// files, to start programs and to save a download, and last the traces a shown disc leaves under
// the reader's home.

#include "ui/contents_tree_view.h"
#include "ui/html_engine.h"
#include "ui/show_exception.h"
#include "ui/tform1.h"
#include "ui/unit1.h"
#include "wait_for.h"

#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A fresh directory (resolved, so that paths built on it are what the rule compares), removed
// with everything in it.
class TempDir final {
public:
    TempDir() {
        std::string pattern = (fs::temp_directory_path() / "quilcd-guard-XXXXXX").string();
        m_path = fs::canonical(::mkdtemp(pattern.data()));
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const fs::path& path() const { return m_path; }
    std::string str(const std::string& relative = {}) const {
        return relative.empty() ? m_path.string() : (m_path / relative).string();
    }
    fs::path write(const std::string& relative, const std::string& bytes) const {
        const fs::path file = m_path / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

private:
    fs::path m_path;
};

QString Text(const std::string& bytes) {
    return QString::fromStdString(bytes);
}

// --- the real view on a hostile disc ---

// A disc inside a directory of its own, so that the disc root's parent holds files of its own;
// every outside place holds the same set of secrets, each of which a page would notice.
class HostileDisc final {
public:
    HostileDisc() {
        m_dir.write("disc/menu/tree.txt", "Pages\r\n\tHostile\r\n\tSecond\r\n");
        m_dir.write("disc/menu/html.txt", "\r\nhostile.htm\r\nsecond.htm\r\n");
        m_dir.write("disc/menu/button.txt", "\r\n\r\n\r\n");
        m_dir.write("disc/menu/init.txt", "1999 Vol.5 No.12\r\n");
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

std::string ProbePage(const std::vector<Probe>& probes) {
    std::string page = R"(<html><head><title>hostile</title></head><body>
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

// The window with the real view on the hostile disc, its start page loaded.
class RealViewOnHostileDisc : public testing::Test {
protected:
    void SetUp() override {
        std::vector<Probe> all = Probes(disc, true);
        const std::vector<Probe> outside = Probes(disc, false);
        all.insert(all.end(), outside.begin(), outside.end());
        disc.writePage("hostile.htm", ProbePage(all));
        ProgramDir = disc.programDir();
        HtmlDir = disc.htmlDir();
        HtmlList = std::make_unique<content::StringList>();
        ButtonList = std::make_unique<content::StringList>();
        NavFromBrowser = false;
        SetErrorReportSinkForTesting([this](const QString& text) { reports << text; });
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
        ASSERT_TRUE(WaitFor([this] { return view->title() == QStringLiteral("hostile"); }));
    }
    void TearDown() override {
        form.reset();
        EXPECT_TRUE(reports.isEmpty()) << reports.join(QLatin1Char('\n')).toStdString();
        SetErrorReportSinkForTesting(nullptr);
        HtmlList.reset();
        ButtonList.reset();
    }

    QVariant Evaluate(const QString& script) {
        QVariant result;
        bool answered = false;
        view->page()->runJavaScript(script, [&](const QVariant& value) {
            result = value;
            answered = true;
        });
        EXPECT_TRUE(WaitFor([&] { return answered; }));
        return result;
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

    // Shows the probe page again and waits until the new load has finished: the page already
    // shown has the same title, and a click sent before the new page is in would be lost.
    void ShowProbePageAgain() {
        const int before = loaded;
        form->NavigateTo(QUrl::fromLocalFile(Text(disc.htmlDir() + "hostile.htm")));
        ASSERT_TRUE(WaitFor([&] { return loaded > before; }));
        ASSERT_TRUE(WaitFor([this] {
            return Evaluate(QStringLiteral("document.readyState == 'complete'")).toBool();
        }));
    }

    void Click(const char* id) {
        view->page()->runJavaScript(
            QStringLiteral("document.getElementById('%1').click();").arg(QString::fromLatin1(id)));
    }

    HostileDisc disc;
    QStringList reports;
    std::unique_ptr<TForm1> form;
    QWebEngineView* view = nullptr;
    std::map<QUrl, int> failures; // failed loads of the view's page, by address: the error code
    int loaded = 0;               // loads of the view's page that succeeded
};

// The engine's codes for a request the guard stopped, and for a local page's script reaching
// for the network.
constexpr int kBlockedByClient = -20;
constexpr int kNetworkAccessDenied = -138;

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
    Click("second");
    ASSERT_TRUE(WaitFor([this] { return view->title() == QStringLiteral("second"); }));
    EXPECT_EQ(form->TreeView->SelectedNode(), 2);

    form->TreeView->SelectNode(1);
    ASSERT_TRUE(WaitFor([this] { return view->title() == QStringLiteral("hostile"); }));
    Click("away");
    const QUrl away = QUrl::fromLocalFile(Text(disc.outside("parent.htm")));
    ASSERT_TRUE(WaitFor([&] { return failures.count(away) == 1; }));
    EXPECT_EQ(failures[away], kBlockedByClient);

    // A script cannot carry anything off to a web site by following a link itself: the engine
    // refuses a local page's way to the network. The reader's click follows the link; no web
    // site answers on that port here, so it fails for want of a server, not because anything
    // stopped it.
    const QUrl site(QStringLiteral("http://127.0.0.1:9/")); // refused at once: nothing listens
    ShowProbePageAgain();
    Click("site");
    ASSERT_TRUE(WaitFor([&] { return failures.count(site) == 1; }));
    EXPECT_EQ(failures[site], kNetworkAccessDenied);

    failures.clear();
    ShowProbePageAgain();
    QTest::qWait(300); // laid out and painted, so that the click finds the link
    QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(100, 230));
    ASSERT_TRUE(WaitFor([&] { return failures.count(site) == 1 || view->url() == site; }, 30000));
    if (failures.count(site) == 1) {
        EXPECT_NE(failures[site], kBlockedByClient);
        EXPECT_NE(failures[site], kNetworkAccessDenied);
    }
}

// Takes what the engine would hand to the desktop for the schemes a page may try, for as long
// as it lives.
class DesktopHandler final : public QObject {
    Q_OBJECT
public:
    DesktopHandler() {
        for (const char* scheme : kSchemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~DesktopHandler() override {
        for (const char* scheme : kSchemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    DesktopHandler(const DesktopHandler&) = delete;
    DesktopHandler& operator=(const DesktopHandler&) = delete;

    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }

private:
    static constexpr const char* kSchemes[] = {"mailto", "quilcd-probe", "file"};
};

TEST_F(RealViewOnHostileDisc, NothingThePageDoesStartsAProgramOrSavesAFile) {
    DesktopHandler desktop;

    // Real clicks, so the engine sees the reader's own gesture on the links.
    QWidget* surface = view->focusProxy();
    ASSERT_NE(surface, nullptr);
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(100, 70));
    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(100, 150));

    QList<QWebEngineDownloadRequest::DownloadState> downloads;
    fs::path saved;
    QObject::connect(view->page()->profile(), &QWebEngineProfile::downloadRequested,
                     [&](QWebEngineDownloadRequest* download) {
                         downloads << download->state();
                         saved = fs::path(download->downloadDirectory().toStdString()) /
                                 download->downloadFileName().toStdString();
                     });
    // On a busy machine the engine may still be turning the clicks above away when this one
    // comes, and drop it; a click that brings no download is made again.
    ASSERT_TRUE(WaitFor(
        [&] {
            Click("setup");
            return WaitFor([&] { return !downloads.isEmpty(); }, 3000);
        },
        20000));
    EXPECT_EQ(downloads.front(), QWebEngineDownloadRequest::DownloadCancelled);
    QTest::qWait(1500);
    EXPECT_TRUE(desktop.opened.isEmpty()) << desktop.opened.front().toString().toStdString();
    EXPECT_FALSE(fs::exists(saved)) << saved;
}

// --- the reader's home ---

// Shows a disc's pages in the window as the program does, from start-up to shutdown, in a
// process of its own started by the test below; the exit code says whether all pages showed.
int ShowPagesAndQuit(const std::string& discRoot) {
    ProgramDir = discRoot + "/menu/";
    HtmlDir = discRoot + "/_html/";
    HtmlList = std::make_unique<content::StringList>();
    ButtonList = std::make_unique<content::StringList>();
    SetErrorReportSinkForTesting([](const QString&) {});
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
    HtmlList.reset();
    ButtonList.reset();
    return shown == 3 ? 0 : 1;
}

TEST(ReadersHome, ShowingADiscWritesNothingThere) {
    TempDir disc, home;
    disc.write("menu/tree.txt", "Pages\r\n\tOne\r\n\tTwo\r\n\tThree\r\n");
    disc.write("menu/html.txt", "\r\none.htm\r\ntwo.htm\r\nthree.htm\r\n");
    disc.write("menu/button.txt", "\r\n\r\n\r\n\r\n");
    disc.write("menu/init.txt", "1999 Vol.5 No.12\r\n");
    // Pages that keep what a browser would keep: cookies, stored values, visited links, pictures.
    for (const char* page : {"one", "two", "three"})
        disc.write(std::string("_html/") + page + ".htm",
                   "<html><body><img src=\"logo.png\"><a href=\"one.htm\">one</a><script>"
                   "document.cookie = 'seen=1; max-age=99999'; localStorage.setItem('seen', '1');"
                   "</script></body></html>");
    QImage(8, 8, QImage::Format_RGB32).save(Text(disc.str("_html/logo.png")), "PNG");

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), Text(home.str()));
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        environment.remove(QString::fromLatin1(name)); // everything defaults to the home
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--show-pages-and-quit"), Text(disc.str())});
    ASSERT_TRUE(child.waitForFinished(90000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << "not every page showed";

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
