#pragma once

#include <QUrl>

// The program's own address for a disc file that is still to be brought out of a disc image. The
// request guard sends a page's request for such a file there instead of waiting for it; the
// scheme's handler keeps the request until the file is written and then sends it back to the
// file's own file: address, so that the page gets the file as if it had been there all along:
// the same address, the same origin for a frame's scripts, the same match in the tree.
inline constexpr char kDiscFileScheme[] = "quilcd-disc";

// Makes the scheme known to the HTML engine: a path like file:'s, and local, so that a disc page
// may load it as a picture, a script, a frame or the target of an XHR or fetch, and a web page
// may not. Must run before the application object exists.
void RegisterDiscFileScheme();
bool DiscFileSchemeRegistered();

bool IsDiscFileSchemeUrl(const QUrl& url);
// A file: address under the program's scheme, and back: the same path and query.
QUrl DiscFileSchemeUrl(const QUrl& fileUrl);
QUrl FileUrlOfDiscFileScheme(const QUrl& schemeUrl);
