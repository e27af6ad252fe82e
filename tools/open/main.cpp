#include "app/entry_routine.h"
#include "tools/open/open_program.h"

int main(int argc, char** argv) {
    return RunOpen(argc, argv, [] { return QuilCDBrowser(); });
}
