// Choosing a page with a Flash movie until the movie's first frame is on the screen, against the
// same page with the movie's picture drawn by the page itself (two coloured boxes): the player's
// start (its scripts, its WebAssembly compiled once for the page's process, the movie fetched
// and drawn) over a page's own drawing. The program's own page view in the disc's profile, on a
// disc made here; one page a process, as a reader's first Flash page comes.
//
//   bench_flash_first_frame movie|plain [SECONDS_TO_STAY]
//
// Prints the milliseconds from the navigation to the first grab of the screen that shows both
// colours where the movie lies; stays SECONDS_TO_STAY (default 0) with the page shown, so that
// bench_peak_memory sees the movie playing. scripts/run-flash-benchmark runs it.

#include "app/quil_application.h"
#include "content/tests/old_media_files.h"
#include "pageview/html_engine.h"
#include "pageview/page_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <fstream>

namespace {

constexpr old_media_files::Colour kStage{0x00, 0x40, 0xFF};
constexpr old_media_files::Colour kShape{0xFF, 0x20, 0x00};

bool Shows(const QImage& image, QPoint at, old_media_files::Colour colour) {
    const QColor pixel = image.pixelColor(at);
    return std::abs(pixel.red() - colour.red) < 8 && std::abs(pixel.green() - colour.green) < 8 &&
           std::abs(pixel.blue() - colour.blue) < 8;
}

void Write(const QString& path, const std::string& bytes) {
    std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || (std::strcmp(argv[1], "movie") != 0 && std::strcmp(argv[1], "plain") != 0)) {
        std::fprintf(stderr, "usage: %s movie|plain [SECONDS_TO_STAY]\n", argv[0]);
        return 2;
    }
    const bool movie = std::strcmp(argv[1], "movie") == 0;
    const int stayMs = argc > 2 ? std::atoi(argv[2]) * 1000 : 0;
    // The engine gets the program's own switches (its V8 flags among them), as a reader's start
    // gives them.
    TApplicationArguments arguments(argc, argv);
    QApplication application(arguments.Count(), arguments.Values());
    QTemporaryDir disc;
    QDir().mkpath(disc.filePath(QStringLiteral("menu")));
    QDir().mkpath(disc.filePath(QStringLiteral("_html")));
    Write(disc.filePath(QStringLiteral("_html/menu.swf")),
          old_media_files::FlashMovie(200, 100, kStage, kShape));
    Write(disc.filePath(QStringLiteral("_html/page.htm")),
          std::string("<html><body style=\"margin:0\">") +
              (movie ? "<embed src=\"menu.swf\" width=\"200\" height=\"100\">"
                     : "<div style=\"width:200px;height:100px;background:#0040FF\"><div "
                       "style=\"width:100px;height:50px;background:#FF2000\"></div></div>") +
              "</body></html>");

    StartHtmlEngine();
    ConfineHtmlEngineToDisc(disc.filePath(QStringLiteral("_html/")).toStdString());
    QWidget window;
    window.resize(551, 594);
    std::unique_ptr<TPageView> view = NewDiscPageView(&window);
    view->Widget()->resize(window.size());
    window.show();

    QElapsedTimer clock;
    qint64 firstFrameMs = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const QPoint origin = view->Widget()->mapToGlobal(QPoint(0, 0));
        const QImage screen =
            window.screen()->grabWindow(0, origin.x(), origin.y(), 200, 100).toImage();
        if (firstFrameMs < 0 && Shows(screen, {50, 25}, kShape) &&
            Shows(screen, {150, 75}, kStage)) {
            firstFrameMs = clock.elapsed();
            QTimer::singleShot(stayMs, &application, &QApplication::quit);
        }
    });
    QTimer::singleShot(60000, &application, &QApplication::quit);
    QTimer::singleShot(500, [&] { // the window is on the screen
        clock.start();
        view->Navigate(QUrl::fromLocalFile(disc.filePath(QStringLiteral("_html/page.htm"))));
        poll.start(5);
    });
    application.exec();
    view.reset();
    StopHtmlEngine();
    if (firstFrameMs < 0)
        return 1;
    std::printf("%lld\n", static_cast<long long>(firstFrameMs));
    return 0;
}
