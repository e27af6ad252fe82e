#pragma once

#include <string>

// The start-up of the shared state, run once after the application object exists and before
// the entry routine, and its shutdown, run once after the window is gone. The program directory
// is the executable's own unless one is given (a disc opened from elsewhere, ending in the
// separator).
void StartUpSharedState(const std::string& programDir = {});
void ShutDownSharedState();
