#include "pageview/stuck_page_rule.h"

namespace stuck_page {

Step NextStep(const Signs& signs) {
    // One end per request: a new process that takes as long to start as the old one stayed
    // silent must not be ended in its turn, and the request would be lost with it.
    if (!signs.processRunning || signs.processEndedSinceRequest)
        return Step::Wait;
    return signs.silentFor >= kStuckAfter ? Step::EndProcess : Step::Wait;
}

} // namespace stuck_page
