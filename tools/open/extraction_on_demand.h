#pragma once

#include "pageview/disc_file_provider.h"
#include "tools/open/disc_opening.h"

#include <QTimer>

#include <list>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// Writes a disc image's large files into its cache when the window or a page first needs them:
// each on a thread of its own, while the window goes on. What waits for a file (a page's request,
// a launch, a clicked download) is called back once it is written; a write that takes more than
// a moment shows its progress with Cancel (tools/open/write_progress.h). The window's disc file
// provider while it lives, which must be within the application object's life; a disc shown from
// a folder needs none.
class TOnDemandExtraction final : public TDiscFileProvider {
public:
    explicit TOnDemandExtraction(const disc_image::OpenedDisc& disc);
    // Stops the writes still running and waits for their threads; nobody is called back.
    ~TOnDemandExtraction() override;
    TOnDemandExtraction(const TOnDemandExtraction&) = delete;
    TOnDemandExtraction& operator=(const TOnDemandExtraction&) = delete;

    bool IsReady(const std::string& nativePath) const override;
    void Provide(const std::string& nativePath, std::function<void(bool provided)> done) override;

private:
    struct Write;
    struct Waiter {
        std::set<std::string> files; // relative paths still being written
        std::function<void(bool provided)> done;
    };

    std::vector<const disc_image::LazyFile*> Unwritten(const std::string& nativePath) const;
    void Start(const disc_image::LazyFile& file);
    void Cancel(const std::string& path);
    void Look();
    void Ended(const std::string& path, bool written);

    const disc_image::OpenedDisc& m_disc;
    std::map<std::string, const disc_image::LazyFile*> m_byPath; // absolute path: file
    std::map<std::string, std::unique_ptr<Write>> m_writes;      // running, by relative path
    // Cancelled writes until their threads end: a file asked for again meanwhile gets a new write.
    std::vector<std::unique_ptr<Write>> m_stopping;
    std::list<Waiter> m_waiters;
    QTimer m_looks; // at the writes, while any runs
};
