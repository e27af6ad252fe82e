#include "pageview/page_link_rules.h"

#include "pageview/disc_file_scheme.h"

#include <algorithm>

namespace page_links {
namespace {

bool SchemeIs(const QUrl& url, const char* scheme) {
    return url.scheme().compare(QLatin1String(scheme), Qt::CaseInsensitive) == 0;
}

bool IsWebSite(const QUrl& url) {
    return SchemeIs(url, "http") || SchemeIs(url, "https");
}

bool IsMailAddress(const QUrl& url) {
    return SchemeIs(url, "mailto");
}

int Side(int requested, int fallback, int available) {
    constexpr int kSmallest = 100;
    const int wanted = requested > 0 ? requested : fallback;
    return std::max(1, std::min(std::max(wanted, kSmallest), available));
}

} // namespace

LinkAction ChooseLinkAction(const QUrl& url) {
    // about:blank and data: are what a new window or a frame starts with; blob: is a page's own
    // generated content; the program's own scheme is a disc file on its way out of an image.
    for (const char* shown : {"file", kDiscFileScheme, "http", "https", "about", "data", "blob"})
        if (SchemeIs(url, shown))
            return LinkAction::Show;
    return IsMailAddress(url) ? LinkAction::OpenMail : LinkAction::Refuse;
}

NewWindowAction ChooseNewWindow(const QUrl& url, bool readerClicked) {
    if (!readerClicked)
        return NewWindowAction::Refuse;
    if (IsWebSite(url))
        return NewWindowAction::HandToDesktop;
    if (url.isEmpty())
        return NewWindowAction::OpenPageWindow; // window.open('') that the page then fills
    switch (ChooseLinkAction(url)) {
    case LinkAction::Show:
        return NewWindowAction::OpenPageWindow;
    case LinkAction::OpenMail:
        return NewWindowAction::HandToDesktop;
    case LinkAction::Refuse:
        break;
    }
    return NewWindowAction::Refuse;
}

QSize PageWindowSize(QSize requested, QSize available) {
    return {Side(requested.width(), 800, available.width()),
            Side(requested.height(), 600, available.height())};
}

void ReaderClicks::ReaderInput(Clock::time_point at) {
    m_inputPending = true;
    m_inputAt = at;
}

void ReaderClicks::LinkFollowed(const std::string& discFile, Clock::time_point at) {
    const bool reader = m_inputPending && at >= m_inputAt && at - m_inputAt <= kSpan;
    m_inputPending = false;
    m_clicked = reader ? discFile : std::string();
}

bool ReaderClicks::TakeDownload(const std::string& discFile) {
    if (discFile.empty() || discFile != m_clicked)
        return false;
    m_clicked.clear();
    return true;
}

} // namespace page_links
