#include "app/program_run.h"

#include "app/quil_application.h"
#include "app/shared_state_lifetime.h"
#include "pageview/disc_file_scheme.h"
#include "ui/design_fonts.h"

int RunProgram(int& argc, char** argv, const std::function<int()>& entry,
               const std::string& programDir) {
    PrepareProcessEnvironment();
    if (!DisplayCanBeOpened())
        return 1;
    TApplicationArguments arguments(argc, argv);
    RegisterDiscFileScheme(); // the engine takes its schemes before the application object
    TQuilApplication application(arguments.Count(), arguments.Values());
    design_fonts::RegisterSubstitutions();
    StartUpSharedState(programDir);
    const int status = entry();
    ShutDownSharedState();
    return status;
}
