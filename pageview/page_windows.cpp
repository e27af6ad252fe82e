#include "pageview/page_windows.h"

#include "assets/skin_pictures.h"
#include "pageview/page_link_rules.h"
#include "pageview/page_links.h"
#include "pageview/web_page_view.h"
#include "platform/program_titles.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

TPageWindow::TPageWindow(QWebEngineProfile* profile, TPageWindows& windows)
    : QWidget(nullptr), m_pageView(std::make_unique<TWebPageView>(profile, this)) {
    setObjectName(QStringLiteral("PageWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // closing the main window ends the program
    setWindowIcon(QIcon(skin::IconPath()));
    setWindowTitle(QString::fromUtf8(kApplicationTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pageView->Widget());
    m_pageView->Links().ShareWindows(windows);
    QWebEnginePage* page = Page();
    connect(page, &QWebEnginePage::titleChanged, this, [this](const QString& title) {
        setWindowTitle(title.isEmpty() ? QString::fromUtf8(kApplicationTitle) : title);
    });
    connect(page, &QWebEnginePage::windowCloseRequested, this, &QWidget::close);
}

TPageWindow::~TPageWindow() = default;

QWebEnginePage* TPageWindow::Page() const {
    return m_pageView->View()->page();
}

TPageWindows::TPageWindows(QWidget& mainView, QWebEngineProfile* profile)
    : m_mainView(mainView), m_profile(profile) {}

TPageWindows::~TPageWindows() {
    for (const QPointer<TPageWindow>& window : m_windows)
        delete window.data();
}

void TPageWindows::Open(QWebEngineNewWindowRequest& request) {
    // The main view's window is known once the view is in it, which it is by the first click.
    if (!m_mainWindow) {
        m_mainWindow = m_mainView.window();
        m_mainWindow->installEventFilter(this);
    }
    // A closed window is deleted once the engine's call has returned; until then it is kept here,
    // so that none outlives the set.
    std::erase_if(m_windows, [](const QPointer<TPageWindow>& window) { return window.isNull(); });
    int open = 0;
    for (auto window = m_windows.rbegin(); window != m_windows.rend(); ++window)
        if ((*window)->isVisible() && ++open >= page_links::kMaxPageWindows)
            (*window)->close();
    auto* window = new TPageWindow(m_profile, *this);
    m_windows.emplace_back(window);
    const QScreen* screen = m_mainView.screen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
    window->resize(
        page_links::PageWindowSize(request.requestedGeometry().size(), available.size()));
    window->move(available.center() - window->rect().center());
    request.openIn(window->Page());
    window->show();
}

void TPageWindows::CloseAll() {
    for (const QPointer<TPageWindow>& window : m_windows)
        if (window)
            window->close();
}

bool TPageWindows::eventFilter(QObject* watched, QEvent* event) {
    // The main window may still refuse to close; once it is gone, so are the page windows.
    if (watched == m_mainWindow && event->type() == QEvent::Close)
        QTimer::singleShot(0, this, [this] {
            if (!m_mainWindow || !m_mainWindow->isVisible())
                CloseAll();
        });
    return false;
}
