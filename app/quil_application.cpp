#include "app/quil_application.h"

#include "app/engine_arguments.h"
#include "platform/display_check.h"
#include "ui/show_exception.h"

#include <QtGlobal>
#include <cstdio>
#include <unistd.h>

namespace {

bool RunningAsRoot() {
#ifdef Q_OS_LINUX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

} // namespace

void PrepareProcessEnvironment() {
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

bool DisplayCanBeOpened() {
#ifdef Q_OS_LINUX
    if (qgetenv("QT_QPA_PLATFORM") == "xcb" && !platform::DisplayReachable()) {
        std::fprintf(stderr, "Quillore CD-ROM Browser: cannot open the X display \"%s\"\n",
                     qgetenv("DISPLAY").constData());
        return false;
    }
#endif
    return true;
}

TApplicationArguments::TApplicationArguments(int argc, char** argv) {
    std::vector<std::string> given(argv, argv + argc);
    // The engine reads this variable in place of every switch in the arguments, so its words
    // join the arguments and it goes: programs started from the disc do not inherit it either.
    const QByteArray environmentFlags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    m_arguments = EngineArguments(given, environmentFlags.toStdString(), RunningAsRoot());
    for (std::string& argument : m_arguments)
        m_pointers.push_back(argument.data());
    m_pointers.push_back(nullptr);
    m_count = static_cast<int>(m_arguments.size());
}

TQuilApplication::TQuilApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQuilApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
        return false;
    }
}
