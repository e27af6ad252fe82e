#include "app/entry_routine.h"
#include "app/program_run.h"

int main(int argc, char** argv) {
    return RunProgram(argc, argv, [] { return QuilCDBrowser(); });
}
