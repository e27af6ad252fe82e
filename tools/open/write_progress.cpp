#include "tools/open/write_progress.h"

#include "ui/tform1.h"
#include "ui/unit1.h"

#include <QMessageBox>
#include <QProgressDialog>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr qint64 kQuietMs = 400; // no window for a write that ends within this
constexpr int kSteps = 1000;

} // namespace

TWriteProgress::TWriteProgress(const QString& fileName, std::uint64_t size,
                               std::function<void()> cancel)
    : m_fileName(fileName), m_size(std::max<std::uint64_t>(size, 1)), m_cancel(std::move(cancel)) {
    m_since.start();
}

TWriteProgress::~TWriteProgress() {
    delete m_window.data();
}

void TWriteProgress::Update(std::uint64_t written) {
    if (!m_window) {
        if (m_since.elapsed() < kQuietMs || m_cancelled)
            return;
        // Made only now: a progress dialog shows itself a while after it is made.
        auto* window = new QProgressDialog(
            QStringLiteral("Extracting %1 from the disc image\u2026").arg(m_fileName),
            QStringLiteral("Cancel"), 0, kSteps, Form1);
        window->setWindowTitle(QString::fromUtf8(kApplicationTitle));
        window->setWindowModality(Qt::NonModal);
        window->setAutoClose(false);
        window->setAutoReset(false);
        window->setMinimumDuration(0);
        // Cancel, Escape and closing the window all cancel, and hide it; it goes with this.
        QObject::connect(window, &QProgressDialog::canceled, window, [this] {
            if (!std::exchange(m_cancelled, true))
                m_cancel();
        });
        m_window = window;
        window->show();
    }
    m_window->setValue(static_cast<int>(std::min(written, m_size) * kSteps / m_size));
}

void TellWriteFailed(const std::string& why) {
    std::fprintf(stderr, "quilcd-open: %s\n", why.c_str());
    auto* box = new QMessageBox(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
                                QString::fromLocal8Bit(why.c_str()), QMessageBox::Ok, Form1);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}
