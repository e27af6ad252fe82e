#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>

class QProgressDialog;

// The progress of a large file's write out of a disc image, for the reader: nothing for a write
// that ends within a moment, then a window of its own over the main window, which the reader may
// leave open while using the main window. Its Cancel, or closing it, calls `cancel` and hides it.
class TWriteProgress final {
public:
    TWriteProgress(const QString& fileName, std::uint64_t size, std::function<void()> cancel);
    ~TWriteProgress();
    TWriteProgress(const TWriteProgress&) = delete;
    TWriteProgress& operator=(const TWriteProgress&) = delete;

    // Told the bytes written so far, every so often while the write runs.
    void Update(std::uint64_t written);

private:
    QString m_fileName;
    std::uint64_t m_size;
    std::function<void()> m_cancel;
    bool m_cancelled = false;
    QElapsedTimer m_since;
    QPointer<QProgressDialog> m_window; // goes with the main window, if that goes first
};

// Tells the reader why a large file could not be written, on the standard error and in a message
// that the reader closes when it suits: the program goes on meanwhile.
void TellWriteFailed(const std::string& why);
