#pragma once

#include "tools/open/file_descriptor.h"

#include <string>

namespace disc_image {

// A new private folder: `prefix` and six characters that no other folder has (mkdtemp). Its path
// is returned, without a trailing '/'. Throws ImageError.
std::string MakeTemporaryFolder(const std::string& prefix);

// A temporary folder to write a file in before it is renamed into place: made under `parent`,
// and removed with whatever is left in it when this goes. Throws ImageError.
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
    Fd m_folder;
};

} // namespace disc_image
