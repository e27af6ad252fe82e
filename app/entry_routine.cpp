#include "app/entry_routine.h"

#include "platform/screen_metrics.h"
#include "platform/window_lookup.h"
#include "ui/tform1.h"
#include "ui/unit1.h"

#include <QApplication>
#include <QMessageBox>

int QuilCDBrowser() {
    // The title names the program's message boxes. It is not Qt's display name: that one would
    // be appended to the main window's caption, by which a running instance is recognised.
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    const QString title = QString::fromUtf8(kApplicationTitle);

    if (const auto running = platform::FindTopLevelWindow(QString::fromUtf8(kMainFormCaption))) {
        // X11 has no window that stands for the application, so when none carries the title,
        // the running instance's main window is the one asked to take the focus.
        const auto titled = platform::FindTopLevelWindow(title);
        platform::RequestFocus(titled ? titled : running);
        return 0;
    }

    // At the scale chosen before the application object was made, the window fits whenever the
    // screen takes it at 100 %.
    if (!platform::ScreenTakesWindow()) {
        QMessageBox box(QMessageBox::NoIcon, title,
                        QString::fromUtf8("このプログラムは画面サイズ800×600以上で動作します。"),
                        QMessageBox::Ok);
        box.exec();
        return 0;
    }

    {
        TForm1 form;
        Form1 = &form;
        form.show();
        QApplication::exec();
        Form1 = nullptr;
    } // the window and everything it owns go before the shared state
    return 0;
}
