#include "platform/shell_open.h"

#include "platform/start_environment.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <utility>

namespace platform {
namespace {

std::function<void(const QUrl&)>& InjectedOpener() {
    static std::function<void(const QUrl&)> opener;
    return opener;
}

// Starts the program with the reader's own environment, without waiting for it.
bool StartDetached(const QString& program, const QStringList& arguments,
                   const QString& workingDirectory) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    process.setProcessEnvironment(StartEnvironment());
    return process.startDetached();
}

// Hands the address to the desktop. For a file, the desktop's own opener is started directly
// (no shell, the address as its one argument) in the target's directory, so that the program it
// picks starts there too; a web or mail address, in the program's own directory. Where there is
// no such opener, Qt asks the desktop its own way.
void OpenOnDesktop(const QUrl& url, const QString& workingDirectory = {}) {
    if (const auto& opener = InjectedOpener()) {
        opener(url);
        return;
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (!xdgOpen.isEmpty() &&
        StartDetached(xdgOpen, {url.toString(QUrl::FullyEncoded)}, workingDirectory))
        return;
#endif
    QDesktopServices::openUrl(url);
}

} // namespace

void ShellOpenAddress(const QUrl& address) {
    OpenOnDesktop(address);
}

void ShellOpenFile(const QString& path, const QString& workingDirectory) {
    const QFileInfo file(path);
    // QProcess looks a name without a slash up in PATH; the absolute path names only this file.
    const QString absolutePath = file.absoluteFilePath();
    if (file.isFile() && file.isExecutable()) {
        StartDetached(absolutePath, {}, workingDirectory);
        return;
    }
    OpenOnDesktop(QUrl::fromLocalFile(absolutePath), workingDirectory);
}

void SetDesktopOpenerForTesting(std::function<void(const QUrl&)> opener) {
    InjectedOpener() = std::move(opener);
}

} // namespace platform
