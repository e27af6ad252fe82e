#pragma once

#include "search/disc_search.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

// The disc search beside the window: one thread of its own runs the searches one after another,
// so that the first reading of the disc (every page parsed once) never holds the window. A
// newer query replaces one still waiting; only the newest answer is of use, and each carries the
// number of the query it answers.
class TDiscSearchSession final : public QObject {
    Q_OBJECT
public:
    explicit TDiscSearchSession(search::DiscSearch search, QObject* parent = nullptr);
    ~TDiscSearchSession() override; // stops a reading of the disc and waits for its thread

    // Makes sure the cache holds the disc (the first pass), telling its progress.
    void Prepare();
    // Searches for the words; the answer comes as Answered with this number.
    void Search(const QString& words, int number);

signals:
    // How many pages have been read so far, while the disc is read.
    void Reading(int pagesRead);
    void Answered(int number, std::shared_ptr<const search::SearchOutcome> outcome);

private:
    struct Job {
        search::Query query;
        int number = 0;
    };
    void Work(std::stop_token stop);

    search::DiscSearch m_search;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::optional<Job> m_next;
    std::jthread m_thread; // last: it starts once everything above exists
};
