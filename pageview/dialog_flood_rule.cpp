#include "pageview/dialog_flood_rule.h"

namespace dialog_flood {

bool DialogRun::Ask(Milliseconds now) {
    if (m_stopped)
        return false;
    // The time the reader spends reading a dialog is not the page's: a run is measured from the
    // answer to the next request.
    const bool successive = m_lastAnswered && now - *m_lastAnswered <= kSuccessiveWithin;
    const int inRun = successive ? m_inRun + 1 : 1;
    if (inRun > kMostInARun) {
        m_stopped = true;
        return false;
    }
    m_inRun = inRun;
    return true;
}

void DialogRun::Answered(Milliseconds now) {
    m_lastAnswered = now;
}

} // namespace dialog_flood
