#pragma once

#include "tools/check/disc_report.h"

#include <string>

namespace check {

// The report as one JSON object, for scripts that check a disc before it is pressed.
std::string JsonReport(const DiscReport& report);

} // namespace check
