#include "tools/check/finding_codes.h"

#include <algorithm>

namespace check {
namespace {

constexpr std::string_view kCodes[] = {
    "binary-page",
    "blank-tree-line",
    "button-line-past-tree",
    "caption-without-target",
    "empty-caption",
    "empty-launch-target",
    "fragment-to-listed-page",
    "frame-of-listed-page",
    "ignored-button-lines",
    "init-not-read",
    "level-jump",
    "lf-cr-line-ends",
    "line-count-mismatch",
    "load-ended",
    "load-skipped",
    "missing-anchor",
    "missing-button-file",
    "missing-launch-target",
    "missing-page",
    "missing-target",
    "no-button-line",
    "no-buttons",
    "no-html-line",
    "no-start-page",
    "not-shift-jis",
    "nul-cuts-text",
    "nul-padding",
    "outside-disc",
    "page-line-past-tree",
    "page-not-parsed",
    "same-page-twice",
    "unreachable-page",
    "unreadable-button-file",
    "unreadable-list",
    "unreadable-page",
    "unused-button-line",
    "utf8-bom",
};

} // namespace

std::span<const std::string_view> FindingCodes() {
    return kCodes;
}

bool IsFindingCode(std::string_view code) {
    return std::find(std::begin(kCodes), std::end(kCodes), code) != std::end(kCodes);
}

} // namespace check
