#include "pages/reference_target.h"

#include "content/disc_confinement.h"
#include "content/page_files.h"

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace pages {

bool IsHtmlName(std::string_view path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string_view::npos || path.find('/', dot) != std::string_view::npos)
        return false;
    std::string extension(path.substr(dot + 1));
    for (char& c : extension)
        c = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
    return extension == "htm" || extension == "html" || extension == "shtml" ||
           extension == "shtm" || extension == "xhtml" || extension == "xht";
}

std::optional<FileId> RegularFileId(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileId{st.st_dev, st.st_ino};
}

ReferenceTarget TargetFinder::Look(const std::string& nativePath) const {
    ReferenceTarget target;
    if (nativePath.find('\0') != std::string::npos) {
        target.path = nativePath.substr(0, nativePath.find('\0'));
        return target; // "%00": no file has that name
    }
    target.path = content::FindPageFile(m_discRoot, nativePath, &m_listings);
    struct stat st {};
    const bool exists = ::stat(target.path.c_str(), &st) == 0;
    const int error = errno;
    if (!exists && error != ENOENT && error != ENOTDIR) {
        // A link loop, a name too long: the view cannot load it, wherever it would lead.
        target.state = ReferenceTarget::State::Unreachable;
        target.reason = std::strerror(error);
        return target;
    }
    if (!content::InsideDiscRoot(m_discRoot, target.path, m_listings)) {
        target.state = ReferenceTarget::State::Outside;
        return target;
    }
    if (!exists)
        return target;
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        // A FIFO, a socket or a device: nothing the view can show (a folder it can).
        target.state = ReferenceTarget::State::Unreachable;
        target.reason = "not a regular file";
        return target;
    }
    target.state = ReferenceTarget::State::Found;
    target.id = {st.st_dev, st.st_ino};
    target.page = S_ISREG(st.st_mode) && IsHtmlName(target.path);
    return target;
}

const ReferenceTarget& TargetFinder::Find(const std::string& urlPath) {
    {
        const std::lock_guard lock(m_mutex);
        const auto it = m_found.find(urlPath);
        if (it != m_found.end())
            return it->second;
    }
    ReferenceTarget target = Look(content::PercentDecode(urlPath));
    const std::lock_guard lock(m_mutex);
    return m_found.try_emplace(urlPath, std::move(target)).first->second;
}

} // namespace pages
