#pragma once

#include <QCoreApplication>
#include <QtGlobal>

// What a benchmark of the real HTML engine sets before its application object exists: Qt's X11
// platform, the engine without its sandbox (the benchmarks run as root) and without a GPU, unless
// the caller's environment already says otherwise.
inline void PrepareEngineBenchmark() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}
