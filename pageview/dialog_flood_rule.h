#pragma once

#include <chrono>
#include <optional>

// When a page's dialog is one too many. A page that asks for dialog after dialog (an alert in a
// loop) would have the reader answer each; as browsers do, a page whose dialogs come in a quick
// run is stopped after the third of the run, and shows no dialog from then on.
namespace dialog_flood {

using Milliseconds = std::chrono::milliseconds;

// A dialog asked for this soon after the previous one was answered continues its run.
inline constexpr Milliseconds kSuccessiveWithin{3000};
// The longest run a page may show.
inline constexpr int kMostInARun = 3;

// The dialogs of one page, from the reader's choice of it on. Times are on one steady clock.
class DialogRun final {
public:
    // Whether the dialog the page asks for at `now` is shown; a shown one counts in the run.
    bool Ask(Milliseconds now);
    // The shown dialog was answered (or dismissed) at `now`.
    void Answered(Milliseconds now);
    // The page showed a full run and asked for more: it shows no other dialog.
    bool Stopped() const { return m_stopped; }

private:
    int m_inRun = 0;
    std::optional<Milliseconds> m_lastAnswered;
    bool m_stopped = false;
};

} // namespace dialog_flood
