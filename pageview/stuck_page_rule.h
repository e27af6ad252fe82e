#pragma once

#include <chrono>

// When a page gives way to the one the reader asks for. The engine lets the page shown go only
// once its process answers, and a script that runs on or a full heap keeps it from answering:
// the engine would wait without end. When the reader asks for another page and the process has
// been silent too long, it is ended, and what was asked for is shown in a new one.
namespace stuck_page {

using Milliseconds = std::chrono::milliseconds;

// How long the process may stay silent before the page counts as stuck when the reader leaves
// it: many times what a page that answers needs on a busy machine, and soon enough for the page
// asked for to show within two seconds of the choice.
inline constexpr Milliseconds kStuckAfter{1000};
// How often the process is asked whether it answers: while the view waits for the page asked
// for, and otherwise, so that a page silent for long already is ended at once when it is left.
inline constexpr Milliseconds kAskWhileWaiting{200};
inline constexpr Milliseconds kAskWhileShown{500};

struct Signs final {
    // The page has a process; it has none once that ended, until the engine starts the next.
    bool processRunning = false;
    // A process was ended, or ended by itself, since the request: the request lies with a new
    // process now (or could not be helped), and no other is ended for it.
    bool processEndedSinceRequest = false;
    // Time since the process last answered, or since it started when it has not yet. Time a page
    // dialog waits for the reader does not count.
    Milliseconds silentFor{0};
};

enum class Step {
    Wait,       // look again later, until the page asked for is shown
    EndProcess, // the page is stuck: end its process
};

// What to do while a request of the reader waits for its page.
Step NextStep(const Signs& signs);

} // namespace stuck_page
