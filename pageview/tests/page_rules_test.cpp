// No page takes the window hostage: when a page that does not answer is ended, and when a page's
// dialog is one too many.

#include "pageview/dialog_flood_rule.h"
#include "pageview/stuck_page_rule.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using std::chrono::milliseconds;

TEST(StuckPage, APageSilentForTheLimitIsEndedOncePerRequest) {
    using stuck_page::Step;
    const struct {
        const char* what;
        bool running;
        bool endedBefore;
        int silentMs;
        Step step;
    } cases[] = {
        {"a page that answers", true, false, 0, Step::Wait},
        {"silent just under the limit", true, false, 999, Step::Wait},
        {"silent for the limit", true, false, 1000, Step::EndProcess},
        {"silent long before the reader asked", true, false, 60000, Step::EndProcess},
        {"no process: the engine starts one for the request", false, false, 60000, Step::Wait},
        {"the new process after an end starts slowly: never ended in its turn", true, true, 60000,
         Step::Wait},
        {"the process ended by itself and the request went to a new one", true, true, 1000,
         Step::Wait},
    };
    for (const auto& c : cases) {
        stuck_page::Signs signs;
        signs.processRunning = c.running;
        signs.processEndedSinceRequest = c.endedBefore;
        signs.silentFor = milliseconds(c.silentMs);
        EXPECT_EQ(stuck_page::NextStep(signs), c.step) << c.what;
    }
}

// One dialog a page asks for: when, how long the reader takes to answer it if it shows, and
// whether it shows.
struct Ask final {
    int atMs;
    int answeredAfterMs;
    bool shown;
};

TEST(DialogFlood, APageIsStoppedAfterTheThirdDialogOfAQuickRun) {
    const struct {
        const char* what;
        std::vector<Ask> asks;
    } cases[] = {
        {"an alert loop: three shown, then none, even much later",
         {{0, 400, true},
          {450, 400, true},
          {900, 400, true},
          {1350, 0, false},
          {1400, 0, false},
          {600000, 0, false}}},
        {"a reader slow to answer does not make the run a slow one",
         {{0, 30000, true}, {30100, 30000, true}, {60200, 30000, true}, {90300, 0, false}}},
        {"asked exactly at the limit after the answer: still the same run",
         {{0, 100, true}, {3100, 100, true}, {6200, 100, true}, {9300, 0, false}}},
        {"a pause longer than the limit starts a new run",
         {{0, 100, true},
          {100, 100, true},
          {200, 100, true},
          {3301, 100, true},
          {3402, 100, true},
          {3503, 100, true},
          {3604, 0, false}}},
        {"dialogs far apart are all shown",
         {{0, 500, true},
          {4000, 500, true},
          {8000, 500, true},
          {12000, 500, true},
          {16000, 500, true},
          {20000, 500, true}}},
    };
    for (const auto& c : cases) {
        dialog_flood::DialogRun run;
        for (std::size_t i = 0; i < c.asks.size(); ++i) {
            const Ask& ask = c.asks[i];
            const bool shown = run.Ask(milliseconds(ask.atMs));
            EXPECT_EQ(shown, ask.shown) << c.what << ": dialog " << i + 1;
            if (shown)
                run.Answered(milliseconds(ask.atMs + ask.answeredAfterMs));
        }
        EXPECT_EQ(run.Stopped(), !c.asks.back().shown) << c.what;
    }
}

} // namespace
