#pragma once

#include "tools/check/disc_report.h"

#include <string>

namespace check {

// The findings as CSV (RFC 4180), for spreadsheets and scripts: a header row, then one finding
// a row with its severity, code, file, line, column, the reference a page wrote and the message;
// an empty field where a finding has no file, line, column or reference. A field that a
// spreadsheet would take for a formula (it begins with = + - @, a tab or a CR: a file or a
// reference on the disc may) is written after a ' so that it shows as the text it is.
std::string CsvReport(const DiscReport& report);

} // namespace check
