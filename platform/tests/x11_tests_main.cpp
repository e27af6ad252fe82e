#include "tests/support/x_client.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // An X server resets when its last client leaves and refuses connections while it does. Each
    // test closes its own connection at the end, so without this one the next test's could fail.
    const testkit::XClient keepServerUp;
    return RUN_ALL_TESTS();
}
