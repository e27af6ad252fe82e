#pragma once

// The system's 32-bit version value, in the layout of the Windows one: the low byte is the major
// version, the second-lowest the minor version, and the top bit is set on the Windows 95 family.
// The window takes rounded corners on Windows 98 only; everywhere else the value says "not
// Windows 98".

#include <cstdint>
#include <optional>

namespace platform {

uint32_t SystemVersionValue();

// Makes SystemVersionValue answer `value` instead of the system (nullopt: the system again), so
// that tests can see the Windows 98 behaviour on any machine.
void SetSystemVersionValueForTesting(std::optional<uint32_t> value);

// Top bit set (Windows 95 family) and minor version 10: Windows 98. Windows 95 (minor 0) and
// Windows Me (minor 90) are not, nor is anything of the NT family, whatever its minor version.
bool IsWindows98(uint32_t versionValue);

} // namespace platform
