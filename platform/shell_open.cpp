#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

#include <utility>

namespace platform {
namespace {

std::function<void(const QUrl&)>& InjectedOpener() {
    static std::function<void(const QUrl&)> opener;
    return opener;
}

void OpenOnDesktop(const QUrl& url) {
    if (const auto& opener = InjectedOpener()) {
        opener(url);
        return;
    }
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
        QProcess::startDetached(absolutePath, {}, workingDirectory);
        return;
    }
    OpenOnDesktop(QUrl::fromLocalFile(absolutePath));
}

void SetDesktopOpenerForTesting(std::function<void(const QUrl&)> opener) {
    InjectedOpener() = std::move(opener);
}

} // namespace platform
