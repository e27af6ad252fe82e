#include "app/program_run.h"

#include "app/quil_application.h"
#include "app/shared_state_lifetime.h"
#include "ui/design_fonts.h"

int RunProgram(int& argc, char** argv, const std::function<int()>& entry,
               const std::string& programDir) {
    PrepareProcessEnvironment();
    if (!DisplayCanBeOpened())
        return 1;
    TApplicationArguments arguments(argc, argv);
    TQuilApplication application(arguments.Count(), arguments.Values());
    design_fonts::RegisterSubstitutions();
    StartUpSharedState(programDir);
    const int status = entry();
    ShutDownSharedState();
    return status;
}
