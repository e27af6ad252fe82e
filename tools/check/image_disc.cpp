#include "tools/check/image_disc.h"

#include "content/disc_layout.h"
#include "content/disc_path.h"
#include "content/folder_listings.h"
#include "content/string_list.h"
#include "pages/reference_target.h"
#include "tools/check/menu_dir.h"
#include "tools/check/silencing.h"
#include "tools/open/confined_writes.h"
#include "tools/open/disc_extraction.h"
#include "tools/open/image_error.h"
#include "tools/open/image_reader.h"
#include "tools/open/program_dir_finder.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <set>
#include <sys/stat.h>

namespace check {
namespace {

namespace fs = std::filesystem;
using disc_image::Action;
using disc_image::ExtractionPlan;
using disc_image::Fd;
using disc_image::ImageError;
using disc_image::PlannedEntry;

constexpr mode_t kFolderMode = 0700;

bool IsFile(Action action) {
    return action == Action::WriteNow || action == Action::WriteLater || action == Action::CopyNow;
}

// The folders, the links and a stand-in for every file: its size, no data (a sparse file).
void LayOut(const ExtractionPlan& plan, int root) {
    for (const PlannedEntry& planned : plan.entries) {
        const std::string& path = planned.entry.path;
        if (planned.action == Action::Skip || planned.action == Action::MakeLink)
            continue;
        std::string leaf;
        const Fd parent = disc_image::OpenParent(root, path, leaf);
        if (planned.action == Action::MakeDirectory) {
            if (::mkdirat(parent.get(), leaf.c_str(), kFolderMode) != 0)
                throw disc_image::SystemError("cannot lay out " + path);
            continue;
        }
        const Fd file = disc_image::CreateFile(parent.get(), leaf, path);
        if (::ftruncate(file.get(), static_cast<off_t>(planned.entry.size)) != 0)
            throw disc_image::SystemError("cannot lay out " + path);
    }
    // Last, so that nothing is laid out through one.
    for (const PlannedEntry& planned : plan.entries) {
        if (planned.action != Action::MakeLink)
            continue;
        std::string leaf;
        const Fd parent = disc_image::OpenParent(root, planned.entry.path, leaf);
        if (::symlinkat(planned.entry.link.c_str(), parent.get(), leaf.c_str()) != 0)
            throw disc_image::SystemError("cannot lay out " + planned.entry.path);
    }
}

// Gives the files of the paths their data from the image, in one pass through it.
void Fill(const disc_image::ImageFile& image, const ExtractionPlan& plan,
          const std::set<std::string>& paths, int root) {
    std::map<std::size_t, std::vector<std::string>> byData; // an entry's data: the files it fills
    for (const PlannedEntry& planned : plan.entries)
        if (IsFile(planned.action) && paths.contains(planned.entry.path))
            byData[planned.dataOrdinal].push_back(planned.entry.path);
    if (byData.empty())
        return;
    disc_image::ImageReader reader(image);
    while (std::optional<disc_image::ImageEntry> entry = reader.Next()) {
        if (entry->ordinal >= plan.entries.size() ||
            plan.entries[entry->ordinal].entry.path != entry->path)
            throw ImageError(image.given + ": the image changed while it was read");
        const auto found = byData.find(entry->ordinal);
        if (found == byData.end())
            continue;
        std::vector<Fd> files;
        for (const std::string& path : found->second) {
            std::string leaf;
            const Fd parent = disc_image::OpenParent(root, path, leaf);
            files.emplace_back(
                ::openat(parent.get(), leaf.c_str(), O_WRONLY | O_TRUNC | O_NOFOLLOW | O_CLOEXEC));
            if (files.back().get() < 0)
                throw disc_image::SystemError("cannot lay out " + path);
        }
        reader.ReadData([&](const void* data, std::size_t size) {
            for (std::size_t i = 0; i < files.size(); ++i)
                disc_image::WriteAll(files[i].get(), data, size, found->second[i]);
        });
        byData.erase(found);
        if (byData.empty())
            return;
    }
}

// The files the check reads before it knows the button files: the menu's, and the pages.
std::set<std::string> ListsAndPages(const ExtractionPlan& plan, const std::string& menu) {
    const std::string prefix = menu.empty() ? "" : menu + "/";
    std::set<std::string> paths;
    for (const char* name : {content::kTreeFile, content::kHtmlFile, content::kButtonFile,
                             content::kInitFile, kSilencingFile})
        paths.insert(prefix + name);
    for (const PlannedEntry& planned : plan.entries)
        if (IsFile(planned.action) && pages::IsHtmlName(planned.entry.path))
            paths.insert(planned.entry.path);
    return paths;
}

// The button files button.txt names, as the check finds them on the laid-out disc.
std::set<std::string> ButtonFiles(const std::string& root, const std::string& programDir,
                                  const std::string& htmlDir) {
    std::set<std::string> paths;
    content::StringList list;
    try {
        content::LoadListFile(programDir + content::kButtonFile, list); // as the browser reads it
    } catch (const std::exception&) {
        return paths; // the check tells it
    }
    content::FolderListings listings;
    for (const std::string_view line : list) {
        if (line.empty())
            continue;
        const std::string path = content::ResolveDiscPath(htmlDir, line, &listings);
        std::error_code error;
        const fs::path inside =
            fs::weakly_canonical(path, error).lexically_relative(fs::path(root).parent_path());
        if (!error && !inside.empty() && *inside.begin() != "..")
            paths.insert(inside.generic_string());
    }
    return paths;
}

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

} // namespace

ImageDisc::ImageDisc(const std::string& imagePath) : m_given(imagePath) {
    const disc_image::ImageFile image = disc_image::OpenImageFile(imagePath);
    const ExtractionPlan plan =
        disc_image::PlanExtraction(disc_image::ReadEntries(image), image.volumeBytes);
    const std::optional<std::string> menu = disc_image::FindProgramDir(plan.tree);
    if (!menu)
        throw ImageError(imagePath +
                         ": no menu in this image (a folder holding tree.txt, html.txt and "
                         "button.txt beside a folder _html)");
    std::string pattern = (fs::temp_directory_path() / "quilcd-check-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw disc_image::SystemError("cannot make a temporary folder in " +
                                      fs::temp_directory_path().string());
    try {
        m_root = fs::canonical(pattern).string() + "/";
        m_programDir = m_root + (menu->empty() ? "" : *menu + "/");
        const Fd root = disc_image::OpenFolder(m_root);
        LayOut(plan, root.get());
        Fill(image, plan, ListsAndPages(plan, *menu), root.get());
        const MenuDir dirs = DiscDirsFor(m_programDir);
        if (dirs.dirs)
            Fill(image, plan, ButtonFiles(m_root, dirs.dirs->programDir, dirs.dirs->htmlDir),
                 root.get());
    } catch (...) {
        std::error_code ignored;
        fs::remove_all(pattern, ignored);
        throw;
    }
}

ImageDisc::~ImageDisc() {
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}

void ImageDisc::NameInsideImage(DiscReport& report) const {
    const std::string inside = m_given + "/";
    ReplaceAll(report.programDir, m_root, inside);
    ReplaceAll(report.htmlDir, m_root, inside);
    for (Finding& finding : report.problems)
        ReplaceAll(finding.message, m_root, inside);
    report.image = m_given;
}

} // namespace check
