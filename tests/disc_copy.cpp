#include "disc_copy.h"

#include <stdlib.h>

#include <stdexcept>
#include <string>
#include <system_error>

namespace whole_program {
namespace fs = std::filesystem;

DiscCopy::DiscCopy(const fs::path& disc, const fs::path& program) {
    std::string pattern = (fs::temp_directory_path() / "quilcd-disc-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary directory");
    }
    m_root = pattern;
    const fs::path menu = m_root / "menu";
    fs::create_directory(menu);
    // The list files only: the build's menu/ also holds its own copy of the program.
    for (const fs::directory_entry& entry : fs::directory_iterator(disc / "menu")) {
        if (entry.is_regular_file() && entry.path().extension() == ".txt") {
            fs::copy_file(entry.path(), menu / entry.path().filename());
        }
    }
    fs::copy(disc / "_html", m_root / "_html", fs::copy_options::recursive);
    m_program = menu / program.filename();
    // A hard link is a real directory entry, so the program sees itself here; it costs nothing
    // when the build and the temporary directory share a file system.
    std::error_code linkFailed;
    fs::create_hard_link(program, m_program, linkFailed);
    if (linkFailed) {
        fs::copy_file(program, m_program);
    }
}

DiscCopy::~DiscCopy() {
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}

DiscCopy CopyOfSampleDisc() {
    return DiscCopy(QUILCD_DISC_DIR, QUILCD_PROGRAM);
}

} // namespace whole_program
