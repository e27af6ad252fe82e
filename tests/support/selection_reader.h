#pragma once

#include "x_client.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace testkit {

// Asks whoever owns the X selection `selection` (PRIMARY: what the mouse last selected;
// CLIPBOARD: what was last copied) for its text in UTF-8, as a program pasting it would.
// nullopt when no owner answered with text within `limit`.
std::optional<std::string> SelectionText(const XClient& client, std::string_view selection,
                                         std::chrono::milliseconds limit);

} // namespace testkit
