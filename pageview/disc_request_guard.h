#pragma once

#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

#include <string>

// Which disc file a page's request for a local file reaches. The path is the URL's own bytes, its
// escapes decoded (pages saved by Japanese editors escape Shift-JIS names), and is found on the
// disc by the one rule for a page's files (as written, then ignoring ASCII case, then read as
// CP932). The request is allowed when the file found lies inside the disc root on this machine
// and is no pipe, socket or device, whose reading could wait forever. A file: address and one
// under the program's own scheme (pageview/disc_file_scheme.h) are read alike.
struct DiscFileRequest {
    bool allowed = false;
    std::string asked; // the path the URL names
    std::string found; // the file it reaches; the same as `asked` unless found under another name
};
DiscFileRequest ResolveDiscFileRequest(const QUrl& fileUrl, const std::string& discRootResolved);

// Stands in every request of the HTML view's profile — page, frame, picture, script, style sheet,
// fetch, download — and stops those for a local file the disc does not allow; one the disc holds
// under another name goes there instead, and one for a file still to be brought out of a disc
// image goes to the program's own scheme, whose handler answers it once the file is there: the
// engine never waits inside the guard. Addresses that are not local files (web sites among them)
// go ahead untouched. Until a disc root is set no local file is allowed, so nothing can be shown
// before the disc is known.
class TDiscRequestGuard final : public QWebEngineUrlRequestInterceptor {
public:
    explicit TDiscRequestGuard(QObject* parent = nullptr);

    void SetDiscRoot(const std::string& resolvedDiscRoot);

    struct Decision {
        enum class Kind {
            Allow,    // goes ahead as asked
            Block,    // the disc does not allow it
            Redirect, // goes to `redirectTo` instead
            Answer,   // a request under the program's scheme for an allowed file: its handler
                      // sends it to `redirectTo`, the file's own address, once `file` is there
        } kind;
        QUrl redirectTo;
        std::string file; // the disc file an allowed local request reaches; empty for a folder
    };
    Decision Decide(const QUrl& url) const;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    std::string m_discRoot;
};
