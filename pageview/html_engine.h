#pragma once

#include <memory>
#include <string>

class QWidget;
class TPageView;

// The HTML engine's life in the process: started before the window and stopped after it. Pages
// are shown in a profile that is off the record, so showing a disc writes no cookies, cache or
// history under the reader's home.
void StartHtmlEngine();
void StopHtmlEngine();

// A page view on the engine, in the disc's profile, as a child of `parent`: the window's view.
std::unique_ptr<TPageView> NewDiscPageView(QWidget* parent);

// Confines the pages to the disc whose content directory is given: every local file they show
// or load must lie inside the disc root (the content directory's parent, resolved now). Until it
// is called no local file loads at all. Nothing a page does by itself starts a program or saves
// a file: every download is cancelled, and only the reader's click on a link hands a mail
// address, a web site for a new window or a disc file to the desktop (the page view's links).
void ConfineHtmlEngineToDisc(const std::string& nativeHtmlDir);
// The resolved disc root the pages are confined to; empty before it is known.
const std::string& HtmlEngineDiscRoot();
