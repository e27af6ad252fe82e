#include "ui/disc_search_session.h"

#include <QMetaObject>

#include <chrono>

TDiscSearchSession::TDiscSearchSession(search::DiscSearch search, QObject* parent)
    : QObject(parent), m_search(std::move(search)),
      m_thread([this](std::stop_token stop) { Work(std::move(stop)); }) {}

TDiscSearchSession::~TDiscSearchSession() {
    m_thread.request_stop();
    m_wake.notify_all();
    m_thread.join();
}

void TDiscSearchSession::Prepare() {
    const std::lock_guard lock(m_mutex);
    if (!m_next)
        m_next = Job{search::Query{}, -1};
    m_wake.notify_all();
}

void TDiscSearchSession::Search(const QString& words, int number) {
    const std::lock_guard lock(m_mutex);
    m_next = Job{search::ParseQuery(words.toStdString()), number};
    m_wake.notify_all();
}

void TDiscSearchSession::Work(std::stop_token stop) {
    // Answers and progress reach the window through its own event loop; an answer still posted
    // when this object goes (its destructor waits for this thread) is dropped with it.
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            if (!m_wake.wait(lock, stop, [this] { return m_next.has_value(); }))
                return;
            job = std::move(*m_next);
            m_next.reset();
        }
        auto told = std::chrono::steady_clock::now() - std::chrono::seconds(1);
        const search::SearchProgress progress = [&](std::size_t pages) {
            // A few times a second is enough for a reader to see it move.
            const auto now = std::chrono::steady_clock::now();
            if (now - told < std::chrono::milliseconds(100))
                return;
            told = now;
            QMetaObject::invokeMethod(
                this, [this, pages] { emit Reading(static_cast<int>(pages)); },
                Qt::QueuedConnection);
        };
        auto outcome =
            std::make_shared<const search::SearchOutcome>(m_search.Run(job.query, progress, stop));
        if (stop.stop_requested())
            return;
        QMetaObject::invokeMethod(
            this, [this, number = job.number, outcome] { emit Answered(number, outcome); },
            Qt::QueuedConnection);
    }
}
