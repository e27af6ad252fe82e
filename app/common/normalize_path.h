#pragma once

#include <string>
#include <string_view>

namespace common {

// Resolves the "..<delim>" segments of a path, byte by byte. Each pass removes the component
// before the one that holds the first "..<delim>", its separator, and that component up to and
// including its "..<delim>"; so any component ending in two dots counts as a reference to the
// parent, "." is an ordinary name, and trailing ".." without a separator is left alone.
// The separator byte counts wherever it stands, also as the second byte of a double-byte
// character. When fewer than two separators precede a "..<delim>", the path is returned as it
// stands at that point: start-up never produces such a path.
std::string NormalizePath(std::string_view path, char delim);

// The directory of an executable's path, ending in one separator: the path is cut before its
// last separator, keeping that separator when it follows a colon or another separator (a root
// such as "D:\" gives "D:\\"). A 0x5C byte that is the second byte of a Shift-JIS double-byte
// character is no separator here.
std::string ProgramDirOf(std::string_view executablePath, char delim);

} // namespace common
