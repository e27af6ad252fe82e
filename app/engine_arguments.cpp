#include "app/engine_arguments.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr std::string_view kMark = "--webEngineArgs";
constexpr std::string_view kJsFlags = "--js-flags=";

// The engine finds its mark whatever the case of its letters.
bool IsMark(std::string_view argument) {
    return std::equal(argument.begin(), argument.end(), kMark.begin(), kMark.end(),
                      [](char a, char b) {
                          return std::tolower(static_cast<unsigned char>(a)) ==
                                 std::tolower(static_cast<unsigned char>(b));
                      });
}

} // namespace

std::vector<std::string> SplitEngineFlags(std::string_view flags) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (const char c : flags) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord)
                words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(std::move(word));
    return words;
}

std::vector<std::string> EngineArguments(const std::vector<std::string>& programArguments,
                                         std::string_view environmentFlags, bool runAsRoot) {
    const auto mark = std::find_if(programArguments.begin(), programArguments.end(),
                                   [](const std::string& argument) { return IsMark(argument); });
    std::vector<std::string> arguments(programArguments.begin(), mark);
    std::vector<std::string> switches = SplitEngineFlags(environmentFlags);
    if (mark != programArguments.end())
        switches.insert(switches.end(), std::next(mark), programArguments.end());
    if (runAsRoot) {
        switches.emplace_back("--no-sandbox");
        if (environmentFlags.find_first_not_of(' ') == std::string_view::npos)
            switches.emplace_back("--disable-gpu");
    }

    // The engine keeps only the last of repeated switches, so the V8 flags given and the bound
    // go as one; V8 in turn takes the last of its repeated flags, so the bound holds.
    std::string jsFlags;
    std::erase_if(switches, [&](const std::string& word) {
        if (!word.starts_with(kJsFlags))
            return false;
        jsFlags += word.substr(kJsFlags.size()) + ' ';
        return true;
    });
    jsFlags += std::string(kWasmLazyCompilation) +
               " --max-old-space-size=" + std::to_string(kScriptHeapMegabytes);
    switches.push_back(std::string(kJsFlags) + jsFlags);

    arguments.emplace_back(kMark);
    arguments.insert(arguments.end(), switches.begin(), switches.end());
    return arguments;
}
