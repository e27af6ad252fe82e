#pragma once

#include "content/load_sequence.h"
#include "tests/support/example_disc.h"
#include "tests/support/temp_folder.h"
#include "tools/check/disc_report.h"

#include <filesystem>
#include <string>
#include <vector>

namespace check_testing {

// The small disc the checker's tests start from: the worked example of the list files, whose
// one flaw is the missing soft\util.txt (the one thing the checker warns about).
class ExampleDisc final {
public:
    ExampleDisc() { testkit::WriteExampleDisc(m_disc.root()); }

    void write(const std::string& relative, const std::string& bytes) const {
        m_disc.write(relative, bytes);
    }
    void remove(const std::string& relative) const {
        std::filesystem::remove_all(m_disc.root() / relative);
    }
    std::filesystem::path root() const { return m_disc.root(); }

    // The directories as the checker computes them for menu/.
    content::DiscDirs dirs() const {
        const std::string root = std::filesystem::canonical(m_disc.root()).string();
        return {root + "/menu/", root + "/_html/"};
    }

    check::DiscReport Report() const { return check::BuildDiscReport(dirs()); }

private:
    testkit::TempDisc m_disc;
};

// The findings of a report as "severity file:line", in the report's order.
inline std::vector<std::string> Where(const check::DiscReport& report) {
    std::vector<std::string> out;
    for (const check::Finding& f : report.problems)
        out.push_back(std::string(check::SeverityName(f.severity)) + " " + f.file + ":" +
                      std::to_string(f.line));
    return out;
}

} // namespace check_testing
