#pragma once

#include "tests/support/browser_process.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// quilcd-open given `args`, with a cache (work/cache) and programs on PATH (work/bin) of the
// test's own, on the given X display or with none; started as the kit starts the browser.
testkit::ProgramStart OpenStart(const std::vector<std::string>& args,
                                const std::optional<std::string>& display,
                                const std::filesystem::path& work);
