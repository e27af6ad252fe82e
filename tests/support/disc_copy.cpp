#include "disc_copy.h"

#include <system_error>

namespace testkit {
namespace fs = std::filesystem;

void CopySampleDisc(const fs::path& root) {
    const fs::path sample = QUILCD_DISC_DIR;
    fs::create_directories(root / "menu");
    // The list files only: the build's menu/ also holds its own copy of the program.
    for (const fs::directory_entry& entry : fs::directory_iterator(sample / "menu")) {
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            fs::copy_file(entry.path(), root / "menu" / entry.path().filename());
    }
    fs::copy(sample / "_html", root / "_html", fs::copy_options::recursive);
}

DiscCopy::DiscCopy(Content content) {
    if (content == Content::SampleDisc)
        CopySampleDisc(root());
    const fs::path menu = root() / "menu";
    const fs::path program = QUILCD_PROGRAM;
    m_program = menu / program.filename();
    // A hard link is a real directory entry, so the program sees itself here; it costs nothing
    // when the build and the temporary folder share a file system.
    std::error_code linkFailed;
    fs::create_hard_link(program, m_program, linkFailed);
    if (linkFailed)
        fs::copy_file(program, m_program);
}

} // namespace testkit
