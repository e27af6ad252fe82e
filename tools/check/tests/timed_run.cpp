#include "timed_run.h"

#include "tests/support/child_process.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace check_testing {

TimedRun RunWithLimit(const std::string& program, const std::vector<std::string>& args,
                      std::chrono::milliseconds limit) {
    // A file for the child's stdout: a pipe would need draining while we wait, and reports of
    // some discs run to hundreds of megabytes.
    const testkit::TempDir folder;
    const std::filesystem::path out = folder.path() / "stdout";
    std::vector<std::string> argv{program};
    argv.insert(argv.end(), args.begin(), args.end());
    const std::optional<testkit::ExitStatus> status =
        testkit::RunToEnd({argv, testkit::EnvironmentWith({}, {}), out, -1, true}, limit);
    TimedRun run;
    if (!status)
        return run;
    run.finished = true;
    run.exited = status->exited;
    run.status = status->exited ? status->code : -1;
    run.signal = status->exited ? 0 : status->signal;
    run.out = testkit::ReadFile(out);
    return run;
}

} // namespace check_testing
