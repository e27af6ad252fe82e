// The HTML engine's switches as the application's arguments: what the engine's variable and a
// launch as root add, and the script heap bound, which every case must carry.

#include "app/engine_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Words = std::vector<std::string>;

const std::string kBound = std::string(kWasmLazyCompilation) +
                           " --max-old-space-size=" + std::to_string(kScriptHeapMegabytes);

TEST(EngineArguments, SwitchesFollowTheMarkWithTheHeapBoundLast) {
    const struct {
        const char* what;
        Words program;
        const char* environment;
        bool root;
        Words expected;
    } cases[] = {
        {"a reader's start",
         {"QuilCDBrowser"},
         "",
         false,
         {"QuilCDBrowser", "--webEngineArgs", "--js-flags=" + kBound}},
        {"as root: no sandbox, no GPU",
         {"QuilCDBrowser"},
         "",
         true,
         {"QuilCDBrowser", "--webEngineArgs", "--no-sandbox", "--disable-gpu",
          "--js-flags=" + kBound}},
        {"as root with the variable set: its switches in place of the GPU default",
         {"QuilCDBrowser"},
         "--disable-gpu --enable-logging",
         true,
         {"QuilCDBrowser", "--webEngineArgs", "--disable-gpu", "--enable-logging", "--no-sandbox",
          "--js-flags=" + kBound}},
        {"a variable of spaces only counts as unset",
         {"QuilCDBrowser"},
         "   ",
         true,
         {"QuilCDBrowser", "--webEngineArgs", "--no-sandbox", "--disable-gpu",
          "--js-flags=" + kBound}},
        {"the toolkit's own arguments stay ahead of the mark",
         {"QuilCDBrowser", "-platform", "xcb"},
         "",
         false,
         {"QuilCDBrowser", "-platform", "xcb", "--webEngineArgs", "--js-flags=" + kBound}},
        {"switches after a given mark (any case) follow the variable's",
         {"QuilCDBrowser", "-style", "fusion", "--WEBENGINEARGS", "--lang=ja"},
         "--disable-gpu",
         false,
         {"QuilCDBrowser", "-style", "fusion", "--webEngineArgs", "--disable-gpu", "--lang=ja",
          "--js-flags=" + kBound}},
        {"V8 flags given anywhere join the bound, which comes last",
         {"QuilCDBrowser", "--webEngineArgs", "--js-flags=--max-old-space-size=4096"},
         "--js-flags=--expose-gc",
         false,
         {"QuilCDBrowser", "--webEngineArgs",
          "--js-flags=--expose-gc --max-old-space-size=4096 " + kBound}},
        {"quotes in the variable keep a value with spaces whole",
         {"QuilCDBrowser"},
         R"(--js-flags="--expose-gc --no-opt" --disable-gpu)",
         false,
         {"QuilCDBrowser", "--webEngineArgs", "--disable-gpu",
          "--js-flags=--expose-gc --no-opt " + kBound}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EngineArguments(c.program, c.environment, c.root), c.expected) << c.what;
}

TEST(EngineArguments, TheVariableSplitsAsTheEngineReadsIt) {
    const struct {
        const char* flags;
        Words words;
    } cases[] = {
        {"", {}},
        {"  --a   --b ", {"--a", "--b"}},
        {R"(--a="x y" --b)", {"--a=x y", "--b"}},
        {R"("--a b"c d)", {"--a bc", "d"}},
        {R"(--empty="")", {"--empty="}},
        {"--tab\there", {"--tab\there"}}, // only spaces separate words
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitEngineFlags(c.flags), c.words) << c.flags;
}

} // namespace
