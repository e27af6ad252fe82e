#pragma once

// Opening web sites, documents and programs the way a user's desktop would, never through a
// shell: the names come from the disc and may hold any character a shell would act on.

#include <QString>
#include <QUrl>

#include <functional>

namespace platform {

// Hands the address to the desktop's handler for its scheme (the browser, for http).
void ShellOpenAddress(const QUrl& address);

// Starts `path` itself, with no arguments and `workingDirectory` as its working directory, when
// it is a regular file we may execute; anything else (a document, a folder, a path that does not
// exist) goes to the desktop's handler, which opens it or tells the user it cannot. Nothing is
// reported back.
void ShellOpenFile(const QString& path, const QString& workingDirectory);

// Replaces the desktop's handler (an empty function restores it), so that tests can see what
// would have been opened without starting a browser or a file manager.
void SetDesktopOpenerForTesting(std::function<void(const QUrl&)> opener);

} // namespace platform
