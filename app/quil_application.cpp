#include "app/quil_application.h"

#include "platform/screen_metrics.h"
#include "ui/show_exception.h"

#include <QLoggingCategory>
#include <QtGlobal>
#include <cstdio>
#include <unistd.h>

void PrepareProcessEnvironment() {
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // The engine keeps the page's document away from screen readers on Linux unless asked; it
    // builds that document only while one is listening, so asking costs nothing otherwise.
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"))
        qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
    if (::geteuid() == 0) {
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }
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

TQuilApplication::TQuilApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQuilApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
        return false;
    }
}
