#pragma once

#include <QSize>
#include <QUrl>

#include <chrono>
#include <string>

// What the page view does with the links of pages written for the browsers of their day, as
// pure rules: which addresses it shows, which it hands to the desktop, when a page gets a window
// of its own and how large, and which downloads were the reader's click.
namespace page_links {

// A navigation the engine asks about. The view shows local files and web pages itself; a mail
// address goes to the desktop's mail program (the engine asks about it only on the reader's
// click); every other scheme goes nowhere, so that no page starts a program through it.
enum class LinkAction { Show, OpenMail, Refuse };
LinkAction ChooseLinkAction(const QUrl& url);

// A page asking for a new window (a link with target="_blank" or a target no window has, or
// window.open). Only the reader's click gets one: a window a page opens by itself (on load, on a
// timer) is refused. A web site goes to the reader's web browser and a mail address to the mail
// program, both through the desktop; a disc page gets a window of the program's own.
enum class NewWindowAction { Refuse, OpenPageWindow, HandToDesktop };
NewWindowAction ChooseNewWindow(const QUrl& url, bool readerClicked);

// The page windows open at once at most; the oldest goes when another comes.
inline constexpr int kMaxPageWindows = 8;

// The size of a page window: each side as the page asked (window.open's width and height), kept
// between 100 pixels and the screen's available size; a side it did not ask for, or asked for as
// zero or less, is 800 by 600 within the screen.
QSize PageWindowSize(QSize requested, QSize available);

// Tells the download that the reader's click started from one a page started by itself. The
// engine reports a link navigation alike whether the reader clicked the link or the page's own
// script followed it a moment later (on a timer, or by clicking it from script); what tells them
// apart is the reader's own click or key press on the view just before. The first link followed
// after such an input (into the page, into a new window, to the mail program), within the
// engine's own span for a reader's gesture, takes the input; a download of the disc file it named
// is the reader's, once.
class ReaderClicks final {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::seconds kSpan{5};

    // A mouse click or a key press on the view.
    void ReaderInput(Clock::time_point at);
    // A link followed, to the disc file it names (empty for anything else).
    void LinkFollowed(const std::string& discFile, Clock::time_point at);
    // True once for a download of the file that the reader's click went to.
    bool TakeDownload(const std::string& discFile);

private:
    bool m_inputPending = false;
    Clock::time_point m_inputAt;
    std::string m_clicked;
};

} // namespace page_links
