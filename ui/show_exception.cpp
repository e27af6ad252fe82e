#include "ui/show_exception.h"

#include "content/content_error.h"
#include "ui/unit1.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QWidget>

namespace {

std::function<void(const QString&)>& Sink() {
    static std::function<void(const QString&)> sink;
    return sink;
}

} // namespace

void SetErrorReportSinkForTesting(std::function<void(const QString&)> sink) {
    Sink() = std::move(sink);
}

void ShowException(const std::exception& error) {
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    const QString text = QString::fromStdString(content::ErrorReportText(error.what()));
    if (Sink()) {
        Sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8(kApplicationTitle), text,
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void ReportFailures(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    }
}
