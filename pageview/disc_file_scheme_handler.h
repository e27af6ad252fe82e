#pragma once

#include <QWebEngineUrlSchemeHandler>

class TDiscRequestGuard;

// Answers the requests the guard sent to the program's own scheme (pageview/disc_file_scheme.h):
// keeps each until the disc file it names is brought out of the image, then sends it back to the
// file's own address, where the guard now lets it through. A file whose bringing out was
// cancelled or failed fails the request, so that a page or frame shows the view's error page. A
// request naming anything the guard does not allow fails at once.
class TDiscFileSchemeHandler final : public QWebEngineUrlSchemeHandler {
public:
    TDiscFileSchemeHandler(const TDiscRequestGuard& guard, QObject* parent);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    const TDiscRequestGuard& m_guard;
};
