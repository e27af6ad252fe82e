// The program's own start, as app/main.cpp runs it, ended when the first page has finished
// loading: start-up to first page, against bench_startup_minimal. It lives in menu/ like the
// program, so it shows the disc beside it.
//
//   scripts/run-startup-benchmarks

#include "app/entry_routine.h"
#include "app/program_run.h"
#include "bench/first_page_quit.h"

int main(int argc, char** argv) {
    return RunProgram(argc, argv, [] {
        const TFirstPageQuit firstPage;
        QuilCDBrowser();
        return firstPage.Loaded() ? 0 : 1;
    });
}
