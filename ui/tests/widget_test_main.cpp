// Widget tests run against a real X server (Xvfb in the test command) with Qt's X11 platform.

#include "tests/support/engine_test_run.h"
#include "ui/design_fonts.h"

int main(int argc, char** argv) {
    return RunEngineTests(argc, argv, [] { design_fonts::RegisterSubstitutions(); });
}
