// The program's own start, as app/main.cpp runs it, ended when the first page has finished
// loading: start-up to first page, against bench_startup_minimal. It lives in menu/ like the
// program, so it shows the disc beside it.
//
//   scripts/run-startup-benchmarks

#include "app/entry_routine.h"
#include "app/quil_application.h"
#include "app/shared_state_lifetime.h"
#include "bench/first_page_quit.h"
#include "ui/design_fonts.h"

int main(int argc, char** argv) {
    PrepareProcessEnvironment();
    if (!DisplayCanBeOpened())
        return 1;
    TQuilApplication application(argc, argv);
    design_fonts::RegisterSubstitutions();
    StartUpSharedState();
    bool loaded = false;
    {
        const TFirstPageQuit firstPage;
        QuilCDBrowser();
        loaded = firstPage.Loaded();
    }
    ShutDownSharedState();
    return loaded ? 0 : 1;
}
