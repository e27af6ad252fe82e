#include "app/entry_routine.h"
#include "app/quil_application.h"
#include "app/shared_state_lifetime.h"
#include "ui/design_fonts.h"

int main(int argc, char** argv) {
    PrepareProcessEnvironment();
    if (!DisplayCanBeOpened())
        return 1;
    TQuilApplication application(argc, argv);
    design_fonts::RegisterSubstitutions();
    StartUpSharedState();
    QuilCDBrowser();
    ShutDownSharedState();
    return 0;
}
