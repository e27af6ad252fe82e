#include "files.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testkit {
namespace fs = std::filesystem;

void WriteFile(const fs::path& path, std::string_view bytes) {
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::set<std::string> EntriesUnder(const fs::path& root) {
    std::set<std::string> entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        entries.insert(entry.path().lexically_relative(root).string());
    return entries;
}

} // namespace testkit
