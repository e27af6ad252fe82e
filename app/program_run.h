#pragma once

#include <functional>
#include <string>

// The process from its first step to its last: the environment, the display check, the
// application object, the design fonts, the shared state's start-up, the entry (the entry
// routine, or a benchmark's probe around it), and the shared state's shutdown. Returns the exit
// status: 1 when no display can be opened, otherwise what the entry returns.
// A program directory, when given, stands for the executable's own.
int RunProgram(int& argc, char** argv, const std::function<int()>& entry,
               const std::string& programDir = {});
