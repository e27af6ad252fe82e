// Old media on a disc made by the test, in the window with the real view: both forms of a Flash
// movie draw it, a movie's link follows the page's rules, the MIDI music of a <bgsound> and of a
// hidden <embed> and a wave file's <bgsound> are heard on a sound server of the test's own and
// end when the reader leaves the page or the window closes, and what nothing here can play gets
// a placeholder naming its file, which opens it on the reader's click alone.

#include "content/tests/old_media_files.h"
#include "platform/shell_open.h"
#include "sound_server.h"
#include "tests/support/qt_wait.h"
#include "tests/support/temp_folder.h"
#include "ui/contents_tree_view.h"
#include "ui/show_exception.h"
#include "ui/tform1.h"
#include "ui/unit1.h"

#include <QApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

using old_media_files::Colour;

constexpr Colour kStage{0x00, 0x40, 0xFF};
constexpr Colour kShape{0xFF, 0x20, 0x00};
constexpr const char* kSite = "http://www.quillore.example/";

std::string Page(const std::string& title, const std::string& body) {
    return "<html><head><title>" + title +
           "</title><script>var clicks = 0; document.addEventListener('click', function (e) { "
           "if (e.isTrusted) clicks++; }, true);</script></head><body style=\"margin:0\">" +
           body + "</body></html>";
}

// The disc: a node a page, in the order of kNodes.
enum Node {
    kFlash = 1,
    kLink,
    kPopUp,
    kSecond,
    kBgSound,
    kHiddenEmbed,
    kQuiet,
    kPlaceholders,
    kWave
};

class OldMediaDisc final {
public:
    OldMediaDisc() {
        using old_media_files::FlashMovie;
        m_disc.write("menu/tree.txt",
                     "Pages\r\n\tFlash\r\n\tLink\r\n\tPop-up\r\n\tSecond\r\n"
                     "\tBgSound\r\n\tHidden\r\n\tQuiet\r\n\tPlaceholders\r\n\tWave\r\n");
        m_disc.write("menu/html.txt",
                     "\r\nflash.htm\r\nlink.htm\r\npopup.htm\r\nsecond.htm\r\n"
                     "bgsound.htm\r\nhidden.htm\r\nquiet.htm\r\nholders.htm\r\nwave.htm\r\n");
        m_disc.write("menu/button.txt", std::string(10, '\n'));
        m_disc.write("menu/init.txt", "1999 Vol.5 No.12\r\n");
        m_disc.write("_html/movies/menu.swf", FlashMovie(200, 100, kStage, kShape));
        m_disc.write("_html/movies/link.swf",
                     FlashMovie(200, 100, kStage, kShape, "second.htm", ""));
        m_disc.write("_html/movies/site.swf",
                     FlashMovie(200, 100, kStage, kShape, kSite, "_blank"));
        // The <embed> form and the <object> form holding an <embed> for other browsers.
        m_disc.write("_html/flash.htm",
                     Page("flash", "<embed src=\"movies/menu.swf\" width=\"200\" height=\"100\">"
                                   "<object classid=\"clsid:D27CDB6E-AE6D-11cf-96B8-444553540000\""
                                   " width=\"200\" height=\"100\"><param name=\"movie\" "
                                   "value=\"movies/menu.swf\"><embed src=\"movies/menu.swf\" "
                                   "width=\"200\" height=\"100\"></object>"));
        m_disc.write("_html/link.htm",
                     Page("link", "<embed src=\"movies/link.swf\" width=\"200\" height=\"100\">"));
        m_disc.write("_html/popup.htm",
                     Page("popup", "<embed src=\"movies/site.swf\" width=\"200\" height=\"100\">"));
        m_disc.write("_html/second.htm", Page("second", "second"));
        m_disc.write("_html/music/bgm.mid", old_media_files::MidiSong());
        m_disc.write("_html/music/song.mid", old_media_files::MidiSong(16, 48));
        m_disc.write("_html/bgsound.htm",
                     Page("bgsound", "<bgsound src=\"music/bgm.mid\" loop=\"infinite\">"));
        m_disc.write("_html/hidden.htm",
                     Page("hidden", "<embed src=\"music/song.mid\" autostart=\"true\" "
                                    "hidden=\"true\" loop=\"true\">"));
        m_disc.write("_html/quiet.htm", Page("quiet", "quiet"));
        m_disc.write("_html/music/tone.wav", old_media_files::WaveSound());
        m_disc.write("_html/wave.htm",
                     Page("wave", "<bgsound src=\"music/tone.wav\" loop=\"infinite\">"));
        m_disc.write("_html/video/intro.mpg", std::string("\0\0\1\xBA", 4));
        m_disc.write("_html/applet/menu.jar", "PK\3\4");
        m_disc.write("outside.mpg",
                     std::string("\0\0\1\xBA", 4)); // beside the content, on the disc
        m_disc.write(
            "_html/holders.htm",
            Page("holders",
                 "<applet id=\"applet\" code=\"Menu.class\" archive=\"applet/menu.jar\" "
                 "width=\"200\" height=\"80\"></applet>"
                 "<embed id=\"video\" src=\"video/intro.mpg\" width=\"160\" height=\"120\">"
                 "<object id=\"player\" classid=\"clsid:05589FA1-C356-11CE-BF01-00AA0055595A\" "
                 "width=\"160\" height=\"120\"><param name=\"FileName\" "
                 "value=\"../../quilcd-off-disc.mpg\"></object>"
                 "<object id=\"control\" classid=\"clsid:0A0B0C0D-0000-1111-2222-333344445555\" "
                 "width=\"100\" height=\"50\"></object>"
                 "<object classid=\"clsid:0A0B0C0D-0000-1111-2222-333344445555\" width=\"100\" "
                 "height=\"50\"><p>the page's own fallback</p></object>"));
    }

    std::string programDir() const { return m_disc.programDir(); }
    std::string htmlDir() const { return m_disc.htmlDir(); }

private:
    testkit::TempDisc m_disc;
};

// The engine chooses its sound output once for the process, when a page first plays (a movie's
// player starts its sound as it starts): the test's sound server is there before any page.
class SoundServerEnvironment final : public testing::Environment {
public:
    void SetUp() override { server = std::make_unique<TestSoundServer>(); }
    void TearDown() override { server.reset(); }
    std::unique_ptr<TestSoundServer> server;
};
SoundServerEnvironment* const g_sound = static_cast<SoundServerEnvironment*>(
    testing::AddGlobalTestEnvironment(new SoundServerEnvironment));

class OldMedia : public testing::Test {
protected:
    void SetUp() override {
        ProgramDir = disc.programDir();
        HtmlDir = disc.htmlDir();
        HtmlList = std::make_unique<content::StringList>();
        ButtonList = std::make_unique<content::StringList>();
        NavFromBrowser = false;
        SetErrorReportSinkForTesting([this](const QString& text) { reports << text; });
        platform::SetDesktopOpenerForTesting([this](const QUrl& url) { handed << url; });
    }
    void TearDown() override {
        form.reset();
        platform::SetDesktopOpenerForTesting(nullptr);
        SetErrorReportSinkForTesting(nullptr);
        EXPECT_TRUE(reports.isEmpty()) << reports.join(QLatin1Char('\n')).toStdString();
        HtmlList.reset();
        ButtonList.reset();
    }

    void Open() {
        form = std::make_unique<TForm1>();
        form->show();
        view = qobject_cast<QWebEngineView*>(form->WebBrowser);
        ASSERT_NE(view, nullptr);
    }
    // Chooses the node in the tree and waits for its page.
    void Choose(Node node, const char* title) {
        form->TreeView->SelectNode(node);
        ASSERT_TRUE(WaitFor([&] {
            return view->title() == QString::fromLatin1(title) &&
                   Evaluate(QStringLiteral("document.readyState == 'complete'")).toBool();
        })) << title;
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
    QJsonArray EvaluateJson(const QString& script) {
        return QJsonDocument::fromJson(
                   Evaluate(QStringLiteral("JSON.stringify(") + script + QLatin1Char(')'))
                       .toString()
                       .toUtf8())
            .array();
    }
    // The reader's click on the middle of the rectangle, made again until the page saw one.
    bool ReaderClick(const QRect& rect) {
        const int before = Evaluate(QStringLiteral("clicks")).toInt();
        return WaitFor(
            [&] {
                QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, rect.center());
                return WaitFor([&] { return Evaluate(QStringLiteral("clicks")).toInt() > before; },
                               3000);
            },
            30000);
    }

    OldMediaDisc disc;
    std::unique_ptr<TForm1> form;
    QWebEngineView* view = nullptr;
    QStringList reports;
    QList<QUrl> handed; // what the program gave the desktop
};

QRect RectOf(const QJsonValue& value) {
    const QJsonArray r = value.toArray();
    return QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt());
}

constexpr const char* kRects = "function (e) { var r = e.getBoundingClientRect(); "
                               "return [Math.round(r.left), Math.round(r.top), "
                               "Math.round(r.width), Math.round(r.height)]; }";

// What the screen shows of the view, as the reader sees it.
QImage Screen(QWebEngineView& view) {
    const QPoint at = view.mapToGlobal(QPoint(0, 0));
    return view.screen()->grabWindow(0, at.x(), at.y(), view.width(), view.height()).toImage();
}

bool Shows(const QImage& image, QPoint at, Colour colour) {
    const QColor pixel = image.pixelColor(at);
    return std::abs(pixel.red() - colour.red) < 8 && std::abs(pixel.green() - colour.green) < 8 &&
           std::abs(pixel.blue() - colour.blue) < 8;
}

TEST_F(OldMedia, BothFlashFormsDrawTheirMovieAtThePagesSize) {
    Open();
    Choose(kFlash, "flash");
    // One player for each form: the <embed> inside the <object> is no movie of its own.
    QJsonArray players;
    ASSERT_TRUE(WaitFor([&] {
        players = EvaluateJson(QStringLiteral("Array.prototype.map.call(document.querySelectorAll("
                                              "'ruffle-embed, ruffle-object, ruffle-player'), ") +
                               QString::fromLatin1(kRects) + QLatin1Char(')'));
        return players.size() >= 2;
    }));
    EXPECT_EQ(players.size(), 2);
    // Each movie's own colours where it lies on the screen: the rectangle over its top-left
    // quarter, the stage elsewhere.
    for (const QJsonValue& player : players) {
        const QRect at = RectOf(player);
        EXPECT_EQ(at.size(), QSize(200, 100));
        const QPoint shape = at.topLeft() + QPoint(at.width() / 4, at.height() / 4);
        const QPoint stage = at.topLeft() + QPoint(at.width() * 3 / 4, at.height() * 3 / 4);
        EXPECT_TRUE(WaitFor(
            [&] {
                const QImage screen = Screen(*view);
                return Shows(screen, shape, kShape) && Shows(screen, stage, kStage);
            },
            30000))
            << "the movie at (" << at.x() << ", " << at.y() << ") shows "
            << Screen(*view).pixelColor(shape).name().toStdString() << " and "
            << Screen(*view).pixelColor(stage).name().toStdString();
    }
}

TEST_F(OldMedia, AMoviesLinksFollowThePagesRules) {
    Open();
    // getURL to a disc page: the view shows it and the tree follows.
    Choose(kLink, "link");
    ASSERT_TRUE(WaitFor([&] { return view->title() == QStringLiteral("second"); }, 30000));
    EXPECT_TRUE(WaitFor([&] { return form->TreeView->SelectedNode() == kSecond; }));

    // getURL to a web site in a new window as the movie starts, with no click of the reader's:
    // no window, nothing for the desktop.
    Choose(kPopUp, "popup");
    ASSERT_TRUE(WaitFor([&] {
        return Evaluate(QStringLiteral("document.querySelectorAll('ruffle-embed').length"))
                   .toInt() == 1;
    }));
    const QPoint stage(150, 75);
    ASSERT_TRUE(WaitFor([&] { return Shows(Screen(*view), stage, kStage); }, 30000));
    QTest::qWait(1000); // the frame's link, had it gone anywhere
    EXPECT_TRUE(handed.isEmpty()) << handed.first().toString().toStdString();
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->objectName() == QStringLiteral("PageWindow") && window->isVisible());
    EXPECT_EQ(view->title(), QStringLiteral("popup"));
}

TEST_F(OldMedia, BackgroundMusicIsHeardWithItsPageAndEndsWhenTheReaderLeaves) {
    TestSoundServer& sound = *g_sound->server;
    ASSERT_TRUE(sound.Recording());
    constexpr double kHeard = 50, kSilent = 1;
    Open();
    const auto heard = [&] {
        return WaitFor([&] { return sound.LevelOver(400) > kHeard; }, 20000);
    };
    const auto silent = [&] {
        return WaitFor([&] { return sound.LevelOver(400) < kSilent; }, 5000);
    };

    Choose(kQuiet, "quiet");
    EXPECT_TRUE(silent()) << "sound on a page without music";
    // The engine plays a wave file itself, without waiting for a click.
    for (const auto& [node, title] :
         {std::pair{kBgSound, "bgsound"}, {kHiddenEmbed, "hidden"}, {kWave, "wave"}}) {
        SCOPED_TRACE(title);
        Choose(node, title);
        EXPECT_TRUE(heard()) << "no music on the page";
        Choose(kQuiet, "quiet");
        EXPECT_TRUE(silent()) << "the music goes on after the reader left its page";
    }
    // The hidden embed shows nothing.
    Choose(kHiddenEmbed, "hidden");
    EXPECT_TRUE(Evaluate(QStringLiteral("document.querySelectorAll('[data-quilcd-media]').length"
                                        " == 0 && document.querySelector('embed')"
                                        ".getBoundingClientRect().width == 0"))
                    .toBool());
    EXPECT_TRUE(heard());
    form.reset(); // the window closes with the music playing
    EXPECT_TRUE(silent()) << "the music goes on after the window closed";
}

TEST_F(OldMedia, PlaceholdersNameTheirFileAndOpenItOnTheReadersClickAlone) {
    Open();
    Choose(kPlaceholders, "holders");
    QJsonArray holders;
    ASSERT_TRUE(WaitFor([&] {
        holders = EvaluateJson(
            QStringLiteral("Array.prototype.map.call(document.querySelectorAll("
                           "'[data-quilcd-media]'), function (e) { return [e.getAttribute("
                           "'data-quilcd-media'), e.innerText.replace(/\\n/g, ' '), (") +
            QString::fromLatin1(kRects) + QStringLiteral(")(e)]; })"));
        return holders.size() == 4;
    }));
    const struct {
        const char* kind;
        const char* text;
        QSize size;
    } expected[] = {
        {"applet", "Java アプレット Menu.class menu.jar", {200, 80}},
        {"video", "ビデオ intro.mpg", {160, 120}},
        {"video", "ビデオ quilcd-off-disc.mpg", {160, 120}},
        {"activex", "ActiveX コントロール clsid:0A0B0C0D-0000-1111-2222-333344445555", {100, 50}},
    };
    // An object the page gave its own fallback shows that instead.
    EXPECT_TRUE(Evaluate(QStringLiteral("document.body.innerText.indexOf(\"the page's own "
                                        "fallback\") >= 0"))
                    .toBool());
    std::vector<QRect> at;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const QJsonArray holder = holders[static_cast<int>(i)].toArray();
        EXPECT_EQ(holder[0].toString().toStdString(), expected[i].kind) << i;
        EXPECT_EQ(holder[1].toString().toStdString(), expected[i].text) << i;
        at.push_back(RectOf(holder[2]));
        EXPECT_EQ(at.back().size(), expected[i].size) << i;
    }

    // The page's own clicks open nothing.
    Evaluate(QStringLiteral("document.querySelectorAll('[data-quilcd-media]').forEach("
                            "function (e) { e.click(); }); true"));
    QTest::qWait(1000);
    EXPECT_TRUE(handed.isEmpty()) << handed.first().toString().toStdString();

    // The reader's: the video and the applet's archive on the disc, as a launch button opens
    // them; neither the video off the disc nor the control.
    for (const int i : {2, 3, 1, 0})
        ASSERT_TRUE(ReaderClick(at[static_cast<std::size_t>(i)])) << i;
    const QList<QUrl> opened = {
        QUrl::fromLocalFile(QString::fromStdString(disc.htmlDir() + "video/intro.mpg")),
        QUrl::fromLocalFile(QString::fromStdString(disc.htmlDir() + "applet/menu.jar")),
    };
    EXPECT_TRUE(WaitFor([&] { return handed.size() >= 2; }));
    QTest::qWait(500);
    EXPECT_EQ(handed, opened);
}

} // namespace
