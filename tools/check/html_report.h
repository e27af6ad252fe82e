#pragma once

#include "tools/check/disc_report.h"

#include <string>

namespace check {

// The report as one HTML page an editor opens in any browser: in Japanese and English like the
// program's texts, the summary first (how many errors, warnings and notes, how many were
// silenced, what the browser shows at start), then the findings grouped by file, each with its
// line, column, severity, message and code. Each file's name links to the file itself (not for
// a disc read from an image, whose files are not on the disk). Self-contained: the style is in
// the page, and there is no script.
std::string HtmlReport(const DiscReport& report);

} // namespace check
