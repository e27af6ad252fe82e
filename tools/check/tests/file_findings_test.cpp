#include "content/line_rule.h"
#include "content/line_starts.h"
#include "tools/check/file_findings.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using check::FileRole;

TEST(LineStarts, AgreeWithTheLineRule) {
    const struct {
        std::string bytes;
        std::vector<std::size_t> starts;
    } cases[] = {
        {"", {0}},
        {"a", {0}},
        {"a\r\n", {0, 3}},
        {"a\r\nb", {0, 3}},
        {"a\rb\nc", {0, 2, 4}},
        {"a\n\rb", {0, 2, 3}},     // LF CR: an empty line between
        {"a\r\n\r\nb", {0, 3, 5}}, // a real blank line
        {"a\r\rb", {0, 2, 3}},
        {"a\r\nb\0c\nd"s, {0, 3}}, // nothing after the NUL
        {"\0a\n"s, {0}},
    };
    for (const auto& c : cases) {
        const std::vector<std::size_t> starts = content::LineStarts(c.bytes);
        EXPECT_EQ(starts, c.starts) << c.bytes;
        const content::StringList lines = content::SplitLines(c.bytes);
        // One start per line, and one more where a line would follow a final line end.
        ASSERT_GE(starts.size(), lines.size()) << c.bytes;
        ASSERT_LE(starts.size(), lines.size() + 1) << c.bytes;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(c.bytes.substr(starts[i], lines[i].size()), lines[i]) << c.bytes;
    }
}

TEST(LineStarts, ByteOfALineEndBelongsToItsLine) {
    const std::vector<std::size_t> starts = content::LineStarts("ab\r\ncd\n\ref");
    const std::size_t expected[] = {1, 1, 1, 1, 2, 2, 2, 3, 4, 4};
    for (std::size_t offset = 0; offset < std::size(expected); ++offset)
        EXPECT_EQ(content::LineNumberAt(starts, offset), expected[offset]) << offset;
}

// The findings of a scan as "severity:line".
std::vector<std::string> Scan(const std::string& bytes, FileRole role) {
    std::vector<std::string> out;
    for (const check::Finding& f : check::ScanFileBytes("f", bytes, role).findings)
        out.push_back(std::string(check::SeverityName(f.severity)) + ":" + std::to_string(f.line));
    return out;
}

TEST(ByteFindings, FaultsAreFoundOnTheirLines) {
    using V = std::vector<std::string>;
    const struct {
        const char* name;
        std::string bytes;
        FileRole role;
        V findings;
    } cases[] = {
        {"clean Shift-JIS with CR LF",
         "\x93\xC1\x8F\x57\r\n\t\x83\x5C\x83t\x83g\r\n\r\n",
         FileRole::Tree,
         {}},
        {"LF CR once", "a\n\rb\r\n", FileRole::List, {"error:2"}},
        {"LF CR with blank lines", "a\n\r\n\rb", FileRole::Tree, {"error:2"}},
        {"LF CR in init.txt", "a\n\r", FileRole::Init, {"warning:2"}},
        {"CR LF blank lines are no LF CR", "a\r\n\r\n\r\nb\r\n", FileRole::Tree, {}},
        {"LF only is fine", "a\nb\n", FileRole::ButtonFile, {}},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "a\r\nb\r\n",
         FileRole::List,
         {"error:1"}},
        {"NUL mid-line", "a\r\nb\0c\r\nd"s, FileRole::List, {"error:2"}},
        {"NUL starting a line", "a\r\n\0c"s, FileRole::ButtonFile, {"error:2"}},
        {"NUL padding", "a\r\n\0\0\0"s, FileRole::Tree, {"note:2"}},
        {"NUL hides a later fault", "a\r\n\0\n\r\x85\x40"s, FileRole::Tree, {"error:2"}},
        {"invalid bytes on two lines",
         "ok\r\n\x85\x40 x \x85\x41\r\nok\r\n\x81\r\n",
         FileRole::List,
         {"warning:2", "warning:4"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Scan(c.bytes, c.role), c.findings) << c.name;
}

TEST(ByteFindings, LfCrLinesAreListedForTheTreeCheck) {
    const check::ByteScan scan =
        check::ScanFileBytes("tree.txt", "a\n\rb\n\rc\r\n\r\n", FileRole::Tree);
    EXPECT_EQ(scan.addedEmptyLines, (std::vector<int>{2, 4}));
}

} // namespace
