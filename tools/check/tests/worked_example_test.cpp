#include "example_disc.h"
#include "tools/check/json_report.h"
#include "tools/check/text_report.h"

#include <gtest/gtest.h>

namespace {

using check_testing::ExampleDisc;
using check_testing::Where;

TEST(WorkedExample, JsonTellsWhatTheBrowserShows) {
    ExampleDisc disc;
    const content::DiscDirs dirs = disc.dirs();
    const std::string json = check::JsonReport(disc.Report());
    const std::string expected = R"({
  "programDir": ")" + dirs.programDir +
                                 R"(",
  "htmlDir": ")" + dirs.htmlDir + R"(",
  "tree": [
    {"index": 0, "level": 0, "text": "Feature", "kind": "heading"},
    {"index": 1, "level": 1, "text": "Cover story", "kind": "entry"},
    {"index": 2, "level": 1, "text": "Interview", "kind": "entry"},
    {"index": 3, "level": 0, "text": "Software", "kind": "heading"},
    {"index": 4, "level": 1, "text": "Utilities", "kind": "entry"}
  ],
  "htmlList": [
    "",
    "feature\\cover.htm",
    "feature\\talk.htm",
    "",
    "soft\\util.htm"
  ],
  "buttonList": [
    "",
    "feature\\cover.txt",
    "",
    "",
    "soft\\util.txt"
  ],
  "info": "1999 Vol.5 No.12",
  "loadError": null,
  "start": {"node": 1},
  "pages": [
    {
      "node": 1,
      "page": "feature\\cover.htm",
      "pageExists": true,
      "buttonFile": "feature\\cover.txt",
      "stripHeight": 34,
      "buttons": [
        {"slot": 0, "caption": "Install the viewer", "target": "feature\\viewer\\setup.exe", "left": 0, "top": 7, "width": 176},
        {"slot": 1, "caption": "Read me", "target": "feature\\readme.txt", "left": 178, "top": 7, "width": 176}
      ]
    },
    {
      "node": 2,
      "page": "feature\\talk.htm",
      "pageExists": true,
      "buttonFile": null,
      "stripHeight": 0,
      "buttons": []
    },
    {
      "node": 4,
      "page": "soft\\util.htm",
      "pageExists": true,
      "buttonFile": null,
      "stripHeight": 0,
      "buttons": []
    }
  ],
  "problems": [
    {"severity": "warning", "code": "missing-button-file", "file": "button.txt", "line": 5, "column": null, "reference": null, "message": )";
    ASSERT_GE(json.size(), expected.size());
    EXPECT_EQ(json.substr(0, expected.size()), expected);
    // One problem, then the ends of the list and of the object.
    EXPECT_TRUE(json.ends_with("\"}\n  ]\n}\n")) << json;
}

TEST(WorkedExample, OnlyTheMissingButtonFileIsReported) {
    ExampleDisc disc;
    const check::DiscReport report = disc.Report();
    EXPECT_EQ(Where(report), (std::vector<std::string>{"warning button.txt:5"}));
    EXPECT_NE(report.problems[0].message.find("soft\\util.txt"), std::string::npos);
    EXPECT_FALSE(report.HasErrors());
}

TEST(WorkedExample, TextNamesStartTreeAndFindings) {
    ExampleDisc disc;
    const std::string text = check::TextReport(disc.Report());
    for (const char* part :
         {"Start:             node 1 \"Cover story\"", "\"Feature\" [heading, open]",
          "button 1 \"Read me\" -> feature\\readme.txt (left 178, top 7, width 176)",
          "\nbutton.txt:5: warning: ", "shows without launch buttons [missing-button-file]\n",
          "0 errors, 1 warning, 0 notes"})
        EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
}

} // namespace
