#include "app/quil_application.h"

#include "app/engine_arguments.h"
#include "platform/screen_metrics.h"
#include "platform/start_environment.h"
#include "ui/show_exception.h"

#include <QLoggingCategory>
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
    // What the program starts from the disc gets the environment as the reader gave it, not the
    // variables set here for Qt and the engine.
    platform::KeepStartEnvironment();
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The engine keeps the page's document away from screen readers on Linux unless asked; it
    // builds that document only while one is listening, so asking costs nothing otherwise.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // A program started from a disc prints nothing unless something is wrong: the engine's
    // account of its set-up goes, its warnings stay. QT_LOGGING_RULES still overrides this.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
}

bool DisplayCanBeOpened() {
#ifdef Q_OS_LINUX
    if (qgetenv("QT_QPA_PLATFORM") == "xcb") {
        const std::optional<platform::ScaleSettings> screen = platform::ReadScaleSettings();
        if (!screen) {
            std::fprintf(stderr, "Quillore CD-ROM Browser: cannot open the X display \"%s\"\n",
                         qgetenv("DISPLAY").constData());
            return false;
        }
        platform::ApplyWindowScale(platform::ChooseWindowScale(*screen));
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
