#pragma once

#include "tools/open/file_descriptor.h"
#include "tools/open/file_lock.h"

#include <optional>
#include <string>

namespace disc_image {

// A new private folder: `prefix` and six characters that no other folder has (mkdtemp). Its path
// is returned, without a trailing '/'. Throws ImageError.
std::string MakeTemporaryFolder(const std::string& prefix);

// A temporary folder to write a file in before it is renamed into place: made under `parent`,
// locked while this lives so that RemoveAbandonedWorkFolders leaves it alone, and removed with
// whatever is left in it when this goes. Throws ImageError.
class WorkFolder final {
public:
    explicit WorkFolder(const std::string& parent);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::string& path() const { return m_path; }
    int fd() const { return m_folder.get(); }

private:
    std::string m_path;
    std::optional<FileLock> m_lock;
    Fd m_folder;
};

// Removes what writers that ended without finishing left under `parent`: every work folder whose
// lock nobody holds, and anything else there. A work folder in use stays. Nothing there is
// needed, so what cannot be removed is left as it is.
void RemoveAbandonedWorkFolders(const std::string& parent);

} // namespace disc_image
