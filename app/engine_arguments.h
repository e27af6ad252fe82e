#pragma once

#include <string>
#include <string_view>
#include <vector>

// The HTML engine's switches reach it through the application's arguments, after the engine's
// own "--webEngineArgs" mark, and never through the environment: every program a launch button
// starts inherits the environment, and an engine in one of them (a help viewer, a browser) would
// take switches found there as its own, the sandbox switched off among them.

// The bound of a page process's script heap, in MB. The pages of 1999 discs need a small part
// of it; a page that fills it ends, and the next page asked for is shown in a new process.
inline constexpr int kScriptHeapMegabytes = 64;

// The Flash player a disc page may load is 14 MB of WebAssembly. Compiled function by function as
// a movie first calls it, instead of all at once, the movie shows sooner and the page holds less.
inline constexpr std::string_view kWasmLazyCompilation = "--wasm-lazy-compilation";

// The words of the engine's environment variable (QTWEBENGINE_CHROMIUM_FLAGS) as the engine reads
// them: separated by spaces, with double quotes keeping spaces inside a word and dropped.
std::vector<std::string> SplitEngineFlags(std::string_view flags);

// The arguments the application object is given: the program's own (its name first, and any
// the toolkit takes), then the mark and the engine's switches. These are, in order: the words of
// `environmentFlags` (the engine would read the variable in place of all its arguments, so the
// program reads it instead and clears it), those given after a mark among the program's
// arguments, the sandbox off and no GPU when run as root (the sandbox cannot run as root; no GPU
// unless the variable said otherwise), and lazy WebAssembly compilation and the script heap bound,
// added to the V8 flags given.
std::vector<std::string> EngineArguments(const std::vector<std::string>& programArguments,
                                         std::string_view environmentFlags, bool runAsRoot);
