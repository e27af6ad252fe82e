#pragma once

#include "tools/check/disc_report.h"

#include <string>

namespace check {

// The report as text for an editor: what the browser shows, then the findings one per line in
// the form "file:line:column: severity: message [code]" (no column where a finding has none, no
// line where it concerns the whole file), a page's findings together.
std::string TextReport(const DiscReport& report);

// One finding in that form.
std::string FindingLine(const Finding& finding);

} // namespace check
