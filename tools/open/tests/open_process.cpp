#include "open_process.h"

#include <cstdlib>

testkit::ProgramStart OpenStart(const std::vector<std::string>& args,
                                const std::optional<std::string>& display,
                                const std::filesystem::path& work) {
    std::vector<std::string> argv{QUILCD_OPEN};
    argv.insert(argv.end(), args.begin(), args.end());
    return {argv,
            display,
            {"XDG_CACHE_HOME=" + (work / "cache").string(),
             "PATH=" + (work / "bin").string() + ':' + std::getenv("PATH")}};
}
