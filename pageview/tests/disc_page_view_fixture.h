#pragma once

#include "pageview/html_engine.h"
#include "pageview/page_view.h"
#include "pageview/web_page_view.h"
#include "tests/support/qt_wait.h"

#include <QImage>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

// A page view on the program's own engine and profile (its request guard, its page settings, the
// scripts disc pages get), confined to a disc, shown at the size of the window's page area.
class DiscPageViewTest : public testing::Test {
protected:
    void ShowDisc(const std::string& htmlDir) {
        StartHtmlEngine();
        ConfineHtmlEngineToDisc(htmlDir);
        m_window = std::make_unique<QWidget>(); // it owns the view
        m_pageView = NewDiscPageView(m_window.get());
        view = dynamic_cast<TWebPageView&>(*m_pageView).View();
        m_window->resize(551, 594);
        view->resize(m_window->size());
        m_window->show();
        QObject::connect(view, &QWebEngineView::loadFinished, [this](bool ok) {
            ++loads;
            loadedOk = ok;
        });
    }

    // Shows the page and waits until it has loaded.
    bool Load(const QUrl& url) {
        const int before = loads;
        m_pageView->Navigate(url);
        return WaitFor([&] { return loads > before; }) && loadedOk;
    }

    // The script's value in the page, in the page's own world or in one of the test's own.
    // An answer that comes after the wait gave up finds its place still there.
    QVariant Evaluate(const QString& script, quint32 world = QWebEngineScript::MainWorld) {
        const auto answer = std::make_shared<std::optional<QVariant>>();
        view->page()->runJavaScript(script, world,
                                    [answer](const QVariant& value) { *answer = value; });
        EXPECT_TRUE(WaitFor([&] { return answer->has_value(); })) << script.toStdString();
        return answer->value_or(QVariant());
    }

    QImage Grab() { return view->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // The view's picture once the page has drawn everything it holds: its fonts and pictures
    // decoded and two frames painted since, and the picture the view shows no longer `before`
    // (the page shown before it) and the same twice running.
    QImage SettledShot(const QImage& before) {
        Evaluate(QStringLiteral(
                     "window.drawn = false;"
                     "Promise.all([document.fonts.ready].concat(Array.from(document.images,"
                     "    function (i) { return i.decode().catch(function () {}); })))"
                     ".then(function () { requestAnimationFrame(function () {"
                     "    requestAnimationFrame(function () { window.drawn = true; }); }); });"),
                 QWebEngineScript::ApplicationWorld);
        EXPECT_TRUE(WaitFor([&] {
            return Evaluate(QStringLiteral("window.drawn"), QWebEngineScript::ApplicationWorld)
                .toBool();
        }));
        QImage last;
        QImage shot;
        WaitFor([&] {
            last = shot;
            shot = Grab();
            return shot != before && shot == last;
        });
        return shot;
    }

    QWebEngineView* view = nullptr;
    int loads = 0;
    bool loadedOk = false;

private:
    std::unique_ptr<QWidget> m_window;
    std::unique_ptr<TPageView> m_pageView; // goes before its view
};
