#pragma once

#include <string>
#include <string_view>

namespace common {

// The content directory beside the program directory: "..<delim>_html<delim>" appended to the
// program directory and normalised.
std::string HtmlDirOf(std::string_view programDir, char delim);

// The full path of the running executable, of any length ("/proc/self/exe" on Linux);
// empty when the system does not say.
std::string RunningExecutablePath();

} // namespace common
