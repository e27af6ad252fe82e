// An error that escapes the handling of an event reaches the general error report, and the
// program goes on with the next event.

#include "app/quil_application.h"
#include "content/content_error.h"
#include "ui/show_exception.h"

#include <QEvent>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Fails at each event of its own kind: first with the index error, then the list index error.
class FailingReceiver final : public QObject {
public:
    int handled = 0;
    bool event(QEvent* event) override {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (++handled == 1)
            throw content::IndexError();
        throw content::ListIndexError(7);
    }
};

TEST(EventErrors, ReachTheGeneralErrorReportAndTheLoopGoesOn) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "app_tests";
    char* argv[] = {name, nullptr};
    TQuilApplication application(argc, argv);
    QStringList reports;
    SetErrorReportSinkForTesting([&](const QString& text) { reports << text; });
    FailingReceiver receiver;
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    SetErrorReportSinkForTesting(nullptr);
    EXPECT_EQ(receiver.handled, 2);
    EXPECT_EQ(reports,
              (QStringList{QString::fromUtf8("不正なインデックス."),
                           QString::fromUtf8("リストのインデックスが範囲を超えています (7)")}));
}

} // namespace
