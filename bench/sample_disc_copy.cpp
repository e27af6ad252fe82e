#include "bench/sample_disc_copy.h"

#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

TSampleDiscCopy::TSampleDiscCopy(const fs::path& disc) {
    std::string pattern = (fs::temp_directory_path() / "quilcd-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary directory for the disc");
    m_root = pattern;
    fs::create_directories(m_root / "menu");
    // Only the list files of menu/: the executables the build puts there are no part of a disc.
    for (const fs::directory_entry& entry : fs::directory_iterator(disc / "menu"))
        if (entry.is_regular_file() && entry.path().extension() == ".txt")
            fs::copy_file(entry.path(), m_root / "menu" / entry.path().filename());
    fs::copy(disc / "_html", m_root / "_html", fs::copy_options::recursive);
}

TSampleDiscCopy::~TSampleDiscCopy() {
    std::error_code ignored;
    fs::remove_all(m_root, ignored);
}
