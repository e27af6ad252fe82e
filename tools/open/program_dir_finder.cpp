#include "tools/open/program_dir_finder.h"

#include "content/disc_layout.h"
#include "tools/open/image_error.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>
#include <utility>

namespace disc_image {
namespace {

constexpr std::size_t kMostFolderEntries = 1'000'000;
constexpr int kDeepestFolder = 32;

std::string Join(const std::string& dir, const char* name) {
    return dir.empty() ? std::string(name) : dir + '/' + name;
}

std::size_t Depth(const std::string& dir) {
    if (dir.empty())
        return 0;
    std::size_t depth = 1;
    for (char c : dir)
        depth += c == '/';
    return depth;
}

bool Qualifies(const DiscTree& tree, const std::string& dir) {
    for (const char* name : {content::kTreeFile, content::kHtmlFile, content::kButtonFile})
        if (!tree.files.count(Join(dir, name)))
            return false;
    if (dir.empty())
        return tree.rootBesideHtml;
    const std::size_t slash = dir.rfind('/');
    const std::string parent = slash == std::string::npos ? std::string() : dir.substr(0, slash);
    return tree.directories.count(Join(parent, content::kContentDir)) != 0;
}

} // namespace

std::optional<std::string> FindProgramDir(const DiscTree& tree) {
    std::optional<std::string> best;
    for (const std::string& dir : tree.directories) {
        if (!Qualifies(tree, dir))
            continue;
        // The set is in name order, so the first of the shallowest stays.
        if (!best || Depth(dir) < Depth(*best))
            best = dir;
    }
    return best;
}

DiscTree ReadFolderTree(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        throw ImageError(folder + ": " + std::strerror(errno));
    if (!S_ISDIR(st.st_mode))
        throw ImageError(folder + ": not a folder");
    DiscTree tree;
    tree.directories.insert("");
    struct stat html {};
    tree.rootBesideHtml = ::stat((folder + "/../" + content::kContentDir).c_str(), &html) == 0 &&
                          S_ISDIR(html.st_mode);
    std::size_t entries = 0;
    std::deque<std::pair<std::string, int>> pending{{"", 0}};
    while (!pending.empty()) {
        const auto [dir, depth] = pending.front();
        pending.pop_front();
        const std::string path = dir.empty() ? folder : folder + '/' + dir;
        // Closed on every way out, a throw from a full set included.
        const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(path.c_str()), ::closedir);
        if (!listing) {
            if (dir.empty())
                throw ImageError(folder + ": cannot be read: " + std::strerror(errno));
            continue; // an unreadable folder inside is passed over, as the browser would
        }
        while (const dirent* item = ::readdir(listing.get())) {
            if (std::strcmp(item->d_name, ".") == 0 || std::strcmp(item->d_name, "..") == 0)
                continue;
            if (++entries > kMostFolderEntries)
                throw ImageError(folder + ": holds more files than a disc");
            const std::string relative = Join(dir, item->d_name);
            struct stat entry {};
            if (::lstat((folder + '/' + relative).c_str(), &entry) != 0)
                continue;
            if (S_ISDIR(entry.st_mode)) {
                tree.directories.insert(relative);
                if (depth + 1 < kDeepestFolder)
                    pending.emplace_back(relative, depth + 1);
            } else if (S_ISLNK(entry.st_mode)) {
                // A link counts as what it leads to, but a linked folder is not walked into.
                if (::stat((folder + '/' + relative).c_str(), &entry) == 0)
                    (S_ISDIR(entry.st_mode) ? tree.directories : tree.files).insert(relative);
            } else if (S_ISREG(entry.st_mode)) {
                tree.files.insert(relative);
            }
        }
    }
    return tree;
}

} // namespace disc_image
