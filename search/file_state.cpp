#include "search/file_state.h"

#include <sys/stat.h>

namespace search {

FileState StateOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    FileState state;
    state.exists = true;
    state.directory = S_ISDIR(st.st_mode);
    state.device = st.st_dev;
    state.inode = st.st_ino;
    state.size = static_cast<std::uint64_t>(st.st_size);
    state.modifiedNs = std::int64_t{st.st_mtim.tv_sec} * 1'000'000'000 + st.st_mtim.tv_nsec;
    state.changedNs = std::int64_t{st.st_ctim.tv_sec} * 1'000'000'000 + st.st_ctim.tv_nsec;
    return state;
}

} // namespace search
