#pragma once

#include <span>
#include <string_view>

namespace check {

// Every code a finding may carry, as docs/checker-codes.md lists them: what --ignore and
// quilcd-check.ini may name.
std::span<const std::string_view> FindingCodes();

bool IsFindingCode(std::string_view code);

} // namespace check
