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

// The lines at the report's head: the issue label, how the load ended, what the browser shows
// at start.
std::string InfoText(const DiscReport& report);
std::string LoadText(const DiscReport& report);
std::string StartText(const DiscReport& report);

} // namespace check
