#include "pageview/page_links.h"

#include "pageview/disc_file_open.h"
#include "pageview/disc_request_guard.h"
#include "pageview/html_engine.h"
#include "pageview/page_windows.h"
#include "platform/shell_open.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QWebEngineDownloadRequest>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineProfile>

#include <filesystem>
#include <system_error>

namespace {

using page_links::ReaderClicks;

// The disc file a local address reaches, when the disc allows it; empty otherwise.
std::string AllowedDiscFile(const QUrl& url) {
    if (!url.isLocalFile())
        return {};
    const DiscFileRequest request = ResolveDiscFileRequest(url, HtmlEngineDiscRoot());
    return request.allowed ? request.found : std::string();
}

bool IsRegularFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

} // namespace

TPageLinks::TPageLinks(QWebEnginePage& page, QWidget& view)
    : QObject(&page), m_page(page), m_view(view) {
    // The engine's drawing surface, which takes the reader's input, is a child of the view made
    // when the first page shows, and made anew when a render process is replaced.
    m_view.installEventFilter(this);
    for (QObject* child : m_view.children())
        child->installEventFilter(this);
    connect(&m_page, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) { NewWindowRequested(request); });
    connect(m_page.profile(), &QWebEngineProfile::downloadRequested, this,
            [this](QWebEngineDownloadRequest* download) { DownloadRequested(download); });
}

TPageLinks::~TPageLinks() = default;

bool TPageLinks::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == &m_view)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        break;
    case QEvent::MouseButtonRelease:
        m_clicks.ReaderInput(ReaderClicks::Clock::now());
        break;
    case QEvent::KeyPress:
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            m_clicks.ReaderInput(ReaderClicks::Clock::now());
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return false;
}

bool TPageLinks::AcceptsNavigation(const QUrl& url, QWebEnginePage::NavigationType type) {
    const page_links::LinkAction action = page_links::ChooseLinkAction(url);
    if (type == QWebEnginePage::NavigationTypeLinkClicked)
        m_clicks.LinkFollowed(action == page_links::LinkAction::Show ? AllowedDiscFile(url) : "",
                              ReaderClicks::Clock::now());
    switch (action) {
    case page_links::LinkAction::OpenMail:
        platform::ShellOpenAddress(url);
        return false;
    case page_links::LinkAction::Refuse:
        return false;
    case page_links::LinkAction::Show:
        break;
    }
    return true;
}

void TPageLinks::ShareWindows(TPageWindows& windows) {
    m_windows = &windows;
}

TPageWindows& TPageLinks::Windows() {
    if (!m_windows) {
        m_ownWindows = std::make_unique<TPageWindows>(m_view, m_page.profile());
        m_windows = m_ownWindows.get();
    }
    return *m_windows;
}

void TPageLinks::NewWindowRequested(QWebEngineNewWindowRequest& request) {
    // The click that asked for a window opens no download too.
    m_clicks.LinkFollowed({}, ReaderClicks::Clock::now());
    switch (page_links::ChooseNewWindow(request.requestedUrl(), request.isUserInitiated())) {
    case page_links::NewWindowAction::OpenPageWindow:
        Windows().Open(request);
        break;
    case page_links::NewWindowAction::HandToDesktop:
        platform::ShellOpenAddress(request.requestedUrl());
        break;
    case page_links::NewWindowAction::Refuse:
        break; // left unanswered, the request opens nothing
    }
}

void TPageLinks::DownloadRequested(QWebEngineDownloadRequest* download) {
    // Every page of the profile hears of every download, and the download is not asked which
    // page it came from: Qt 6.4's QWebEngineDownloadRequest::page() dereferences the page's
    // engine side without a check and crashes for a download whose page went while it began (a
    // page left while its MIDI embed was still loading). The page that opens the file is the one
    // whose reader clicked it; each of the others only cancels, which the first already did.
    download->cancel(); // nothing is ever saved
    const std::string file = AllowedDiscFile(download->url());
    if (IsRegularFile(file) && m_clicks.TakeDownload(file))
        OpenDiscFileInItsDirectory(file);
}
