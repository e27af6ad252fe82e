// The page view's tests with the real engine run on a real X server (Xvfb in the test command).

#include "tests/support/engine_test_run.h"

int main(int argc, char** argv) {
    return RunEngineTests(argc, argv, [] {});
}
