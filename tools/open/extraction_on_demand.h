#pragma once

#include "tools/open/disc_opening.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// Writes a disc image's large files into its cache when the window or a page first needs them,
// with a progress window when that takes more than a moment. Set as the window's disc file
// provider while it lives; a disc shown from a folder needs none.
class TOnDemandExtraction final {
public:
    explicit TOnDemandExtraction(const disc_image::OpenedDisc& disc);
    ~TOnDemandExtraction();
    TOnDemandExtraction(const TOnDemandExtraction&) = delete;
    TOnDemandExtraction& operator=(const TOnDemandExtraction&) = delete;

    void Provide(const std::string& nativePath);

private:
    struct Job;
    std::vector<const disc_image::LazyFile*> Wanted(const std::string& nativePath) const;
    void Write(const disc_image::LazyFile& file);

    const disc_image::OpenedDisc& m_disc;
    std::map<std::string, const disc_image::LazyFile*> m_byPath; // absolute path: file
    std::map<std::string, std::shared_ptr<Job>> m_running;       // by relative path
};
