// The floor of the stack for the start-up benchmark: an application with one Qt WebEngine view,
// off the record like the program's, that shows the disc's first page and ends when it has
// finished loading. It lives in menu/ like the program, and finds the page the same way.
//
//   scripts/run-startup-benchmarks

#include "bench/bare_web_profile.h"
#include "bench/first_disc_page.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <cstdio>

int main(int argc, char** argv) {
    // What the program sets before its application object, so that both start the engine alike.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QApplication application(argc, argv);

    const QUrl page = FirstDiscPage(QCoreApplication::applicationDirPath());
    if (page.isEmpty()) {
        std::fprintf(stderr, "bench_startup_minimal: no page in html.txt beside the program\n");
        return 1;
    }
    QWebEngineProfile* profile = MakeBareProfile(&application);
    bool loaded = false;
    {
        QWebEngineView view;
        view.setPage(new QWebEnginePage(profile, &view));
        view.resize(551, 594); // the program's page area
        QObject::connect(&view, &QWebEngineView::loadFinished, &application, [&](bool ok) {
            loaded = ok;
            QCoreApplication::quit();
        });
        view.load(page);
        view.show();
        QApplication::exec();
    } // the page goes before its profile
    delete profile;
    if (!loaded)
        std::fprintf(stderr, "bench_startup_minimal: the page did not load\n");
    return loaded ? 0 : 1;
}
