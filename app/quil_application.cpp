#include "app/quil_application.h"

#include "platform/display_check.h"
#include "ui/show_exception.h"

#include <QtGlobal>
#include <cstdio>
#include <unistd.h>

void PrepareProcessEnvironment() {
#ifdef Q_OS_LINUX
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (::geteuid() == 0) {
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
            qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }
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

TQuilApplication::TQuilApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TQuilApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowException(error);
        return false;
    }
}
