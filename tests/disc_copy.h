#pragma once

#include <filesystem>

namespace whole_program {

// A disc of the test's own in a fresh temporary directory: menu/ with the program and the list
// files, _html/ beside it, laid out as on the cover disc. The program finds its content through
// its own path, so it must be a real file there, not a link back into the build. Removed again
// at the end.
class DiscCopy final {
public:
    // `disc` holds menu/ and _html/; `program` is the executable put into menu/.
    DiscCopy(const std::filesystem::path& disc, const std::filesystem::path& program);
    ~DiscCopy();
    DiscCopy(const DiscCopy&) = delete;
    DiscCopy& operator=(const DiscCopy&) = delete;

    const std::filesystem::path& root() const { return m_root; }
    const std::filesystem::path& program() const { return m_program; }

private:
    std::filesystem::path m_root;
    std::filesystem::path m_program;
};

// The sample disc and the program as this build made them.
DiscCopy CopyOfSampleDisc();

} // namespace whole_program
