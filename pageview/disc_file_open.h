#pragma once

#include <string>

// Opening a file of the disc the way a launch button opens its target: a program file is started
// itself, anything else goes to the desktop's associated program, in the given working
// directory; never through a shell, nothing copied, nothing reported back. A file still to be
// brought out of a disc image opens once it is there; this returns at once.
void OpenDiscFile(const std::string& nativePath, const std::string& nativeWorkingDirectory);

// The same, in the file's own directory.
void OpenDiscFileInItsDirectory(const std::string& nativePath);
