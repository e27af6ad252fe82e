#include "platform/version_value.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(VersionValue, IsWindows98OnlyForTheWindows95FamilyWithMinorVersion10) {
    struct Case {
        const char* system;
        uint32_t value;
        bool windows98;
    };
    const Case cases[] = {
        {"Windows 98", 0xC000'0A04u, true},
        {"Windows 98 SE (build 2222)", 0xC8AE'0A04u, true},
        {"top bit alone is enough for the family", 0x8000'0A04u, true},
        {"Windows 95", 0xC000'0004u, false},
        {"Windows Me", 0xC000'5A04u, false},
        {"NT family with minor version 10", 0x0000'0A04u, false},
        {"Windows 2000", 0x0893'0005u, false},
        {"Windows XP", 0x0A28'0105u, false},
        {"10 in the major byte instead", 0xC000'040Au, false},
        {"10 in the build number instead", 0xC00A'0004u, false},
        {"zero", 0u, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::IsWindows98(c.value), c.windows98) << c.system;
    }
}

TEST(VersionValue, LinuxIsNoMemberOfTheWindows95FamilyAndAnInjectedValueGoesAgain) {
    const uint32_t system = platform::SystemVersionValue();
    EXPECT_EQ(system & 0x8000'0000u, 0u);

    platform::SetSystemVersionValueForTesting(0xC000'0A04u);
    platform::SetSystemVersionValueForTesting(std::nullopt);
    EXPECT_EQ(platform::SystemVersionValue(), system);
}

} // namespace
