// quilcd-open's own start, as tools/open/main.cpp runs it, ended when the first page has finished
// loading: from the command to the first page, for a disc image opened the first time (extracted
// into the cache) and again (the cache reused), against the browser's own start on the folder.
//
//   scripts/run-open-benchmark

#include "app/entry_routine.h"
#include "bench/first_page_quit.h"
#include "tools/open/open_program.h"

int main(int argc, char** argv) {
    return RunOpen(argc, argv, [] {
        const TFirstPageQuit firstPage;
        QuilCDBrowser();
        return firstPage.Loaded() ? 0 : 1;
    });
}
