#include "platform/version_value.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {
namespace {

std::optional<uint32_t>& InjectedValue() {
    static std::optional<uint32_t> value;
    return value;
}

} // namespace

uint32_t SystemVersionValue() {
    if (const auto& injected = InjectedValue()) {
        return *injected;
    }
#ifdef _WIN32
    return static_cast<uint32_t>(::GetVersion());
#else
    // No member of the Windows 95 family runs here: a clear top bit is the honest answer.
    return 0;
#endif
}

void SetSystemVersionValueForTesting(std::optional<uint32_t> value) {
    InjectedValue() = value;
}

bool IsWindows98(uint32_t versionValue) {
    const bool windows95Family = (versionValue & 0x8000'0000u) != 0;
    const uint32_t minorVersion = (versionValue >> 8) & 0xFFu;
    return windows95Family && minorVersion == 10;
}

} // namespace platform
