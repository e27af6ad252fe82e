#pragma once

#include "temp_folder.h"

#include <filesystem>
#include <string>

namespace testkit {

// The build's sample disc, its list files and _html/, copied under root (menu/ and _html/).
void CopySampleDisc(const std::filesystem::path& root);

// A disc of the test's own in a fresh temporary folder, laid out as on the cover disc: menu/ with
// this build's program, _html/ beside it, and the build's sample disc in them unless the test
// writes a disc of its own. The program finds its content through its own path, so it must be a
// real file there, not a link back into the build. Removed again at the end.
class DiscCopy final {
public:
    enum class Content { SampleDisc, Nothing };
    explicit DiscCopy(Content content = Content::SampleDisc);

    const std::filesystem::path& root() const { return m_disc.root(); }
    const std::filesystem::path& program() const { return m_program; }
    // Writes the bytes to a path relative to the disc's root, making its directories.
    std::filesystem::path write(const std::string& relative, const std::string& bytes) const {
        return m_disc.write(relative, bytes);
    }

private:
    TempDisc m_disc;
    std::filesystem::path m_program;
};

} // namespace testkit
