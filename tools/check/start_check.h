#pragma once

#include "content/load_sequence.h"
#include "tools/check/disc_report.h"
#include "tools/check/finding.h"
#include "tools/check/load_check.h"

namespace check {

// How the browser starts: open.htm, the first node with a page, or the error report it shows.
DiscReport::Start CheckStart(const LoadOutcome& load, const content::DiscDirs& dirs,
                             Findings& findings);

} // namespace check
