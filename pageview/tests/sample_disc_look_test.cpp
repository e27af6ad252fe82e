// Pages that work without the layer of the browser of 1999 look the same with it: every page of
// the sample disc is drawn to the same pixels and laid out to the same boxes with and without it.

#include "disc_page_view_fixture.h"

#include <QWebEngineProfile>
#include <QWebEngineScriptCollection>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace {

const std::filesystem::path kSampleDisc = QUILCD_SAMPLE_DISC_DIR;

std::vector<QUrl> SamplePages() {
    std::vector<QUrl> pages;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(kSampleDisc / "_html"))
        if (entry.path().extension() == ".htm")
            pages.push_back(QUrl::fromLocalFile(QString::fromStdString(entry.path().string())));
    std::sort(pages.begin(), pages.end());
    return pages;
}

// Every element's box and drawn opacity, in document order: the whole page's layout, also what
// lies below the view.
const QString kLayout = QStringLiteral(
    "Array.prototype.map.call(document.getElementsByTagName('*'), function (e) {"
    "  var r = e.getBoundingClientRect();"
    "  return [e.tagName, r.x, r.y, r.width, r.height, getComputedStyle(e).opacity].join();"
    "}).join(';')");

struct Look {
    QImage shot;
    QString layout;
    QString attachEvent; // what the page's own scripts find: "function" with the layer
};

class SampleDiscLookTest : public DiscPageViewTest {
protected:
    void SetUp() override { ShowDisc((kSampleDisc / "_html").string() + "/"); }

    // Each page in turn, so that the view's picture changes from one to the next.
    std::vector<Look> LookOfEach(const std::vector<QUrl>& pages) {
        std::vector<Look> looks;
        QImage before = Grab();
        for (const QUrl& page : pages) {
            EXPECT_TRUE(Load(page)) << page.toString().toStdString();
            looks.push_back({SettledShot(before), Evaluate(kLayout, kTestWorld).toString(),
                             Evaluate(QStringLiteral("typeof document.attachEvent")).toString()});
            before = looks.back().shot;
        }
        return looks;
    }

    static constexpr quint32 kTestWorld = QWebEngineScript::ApplicationWorld;
};

TEST_F(SampleDiscLookTest, EveryPageLooksTheSameWithAndWithoutTheLayer) {
    const std::vector<QUrl> pages = SamplePages();
    ASSERT_GE(pages.size(), 10u);
    const std::vector<Look> with = LookOfEach(pages);

    // The same pages without the layer's scripts (those under era/), put back afterwards.
    QWebEngineScriptCollection* scripts = view->page()->profile()->scripts();
    QList<QWebEngineScript> layer;
    for (const QWebEngineScript& script : scripts->toList())
        if (script.name().startsWith(QStringLiteral("era/")))
            layer << script;
    ASSERT_GT(layer.size(), 5);
    for (const QWebEngineScript& script : layer)
        scripts->remove(script);
    const std::vector<Look> without = LookOfEach(pages);
    scripts->insert(layer);

    for (std::size_t i = 0; i < pages.size(); ++i) {
        const std::string page = pages[i].fileName().toStdString();
        ASSERT_EQ(with[i].attachEvent, QStringLiteral("function")) << page;
        ASSERT_EQ(without[i].attachEvent, QStringLiteral("undefined")) << page;
        EXPECT_FALSE(with[i].shot.isNull()) << page;
        EXPECT_TRUE(with[i].shot == without[i].shot) << page;
        EXPECT_EQ(with[i].layout, without[i].layout) << page;
    }
}

} // namespace
