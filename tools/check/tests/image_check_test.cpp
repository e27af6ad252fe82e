// A disc image is checked where it lies and tells what its folder tells, in every form an
// archive keeps a disc in.

#include "test_images.h"

#include "check_run.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <sstream>

namespace {

using check_testing::Check;
using check_testing::CheckRun;

using namespace test_images;
using testkit::TempDir;
using testkit::WriteFile;

// The report's findings, each place named from the disc's own root: the folder's path, or the
// image's, taken off the front of every message.
std::vector<std::string> Findings(const std::string& json, const std::string& discPath) {
    const nlohmann::json report = nlohmann::json::parse(json);
    std::vector<std::string> findings;
    for (const auto& problem : report["problems"]) {
        std::string message = problem["message"].get<std::string>();
        for (std::size_t at = message.find(discPath); at != std::string::npos;
             at = message.find(discPath, at))
            message.replace(at, discPath.size(), "DISC/");
        findings.push_back(problem["code"].get<std::string>() + " " + problem["file"].dump() + ":" +
                           problem["line"].dump() + ":" + problem["column"].dump() + " " + message);
    }
    return findings;
}

// Names a plain ISO 9660 image keeps (short, one case), so that every form holds the same disc.
void WriteFaultyDisc(const fs::path& root) {
    WriteFile(root / "menu/tree.txt", "Contents\r\n Cover\r\n Talk\r\n");
    WriteFile(root / "menu/html.txt", "\r\ncover.htm\r\ntalk.htm\r\n");
    WriteFile(root / "menu/button.txt", "\r\ncover.txt\r\nnone.txt\r\n");
    WriteFile(root / "menu/init.txt", "No. 1\r\n");
    WriteFile(root / "_html/cover.htm",
              "<html><body>\n<a href=\"talk.htm#part\">p</a> <a href=\"talk.htm#nosuch\">n</a>\n"
              "<a href=\"gone.htm\">g</a> <img src=\"pic.gif\"> <a href=\"#top\">t</a>\n");
    WriteFile(root / "_html/talk.htm", "<p><a name=\"part\"></a><a href=\"#here\">h</a>\n");
    WriteFile(root / "_html/cover.txt", "Setup\r\nsetup.exe\r\nGone\r\ngone.exe\r\n");
    WriteFile(root / "_html/setup.exe", std::string(3 * 1024 * 1024, 'x'));
    WriteFile(root / "_html/old.htm", "<p>no longer linked</p>\n");
}

TEST(ImageCheck, EveryFormGivesTheFindingsOfItsFolder) {
    const TempDir work;
    const fs::path source = work.path() / "source";
    WriteFaultyDisc(source);
    const CheckRun folder = Check({"--json", (source / "menu").string()});
    ASSERT_EQ(folder.status, 1) << folder.err;
    const std::vector<std::string> expected = Findings(folder.out, source.string() + "/");
    // One finding of each planted fault, so that a form that loses any of them is seen.
    std::multiset<std::string> codes;
    for (const std::string& finding : expected)
        codes.insert(finding.substr(0, finding.find(' ')));
    EXPECT_EQ(codes, (std::multiset<std::string>{
                         "fragment-to-listed-page", "fragment-to-listed-page", "missing-anchor",
                         "missing-anchor", "missing-button-file", "missing-launch-target",
                         "missing-target", "missing-target", "unreachable-page"}));

    // The image's temporary folder goes with the check.
    const fs::path temporary = work.path() / "tmp";
    fs::create_directories(temporary);
    const char* const saved = std::getenv("TMPDIR");
    const std::string savedValue = saved != nullptr ? saved : "";
    ::setenv("TMPDIR", temporary.c_str(), 1);

    const struct {
        const char* name;
        Names names;
        bool raw;
    } forms[] = {
        {"Joliet .iso", Names::Joliet, false},
        {"plain ISO 9660 .iso", Names::Plain, false},
        {"cue MODE1/2352 with its .bin", Names::Joliet, true},
    };
    for (const auto& form : forms) {
        SCOPED_TRACE(form.name);
        const fs::path dir = work.path() / form.name;
        fs::create_directories(dir);
        fs::path image = dir / "disc.iso";
        MakeIso(source, image, form.names);
        if (form.raw) {
            WriteRawSectors(image, dir / "disc.bin", 1);
            WriteCueSheet(dir / "disc.cue", "disc.bin", "MODE1/2352");
            image = dir / "disc.cue";
        }
        for (const char* format : {"--json", "--format=text"}) {
            const CheckRun run = Check({format, image.string()});
            EXPECT_EQ(run.status, 1) << run.err;
            EXPECT_EQ(run.err, "");
            if (std::string(format) == "--json") {
                EXPECT_EQ(Findings(run.out, image.string() + "/"), expected);
                EXPECT_EQ(nlohmann::json::parse(run.out)["image"], image.string());
            } else {
                EXPECT_NE(run.out.find("_html/gone.htm"), std::string::npos) << run.out;
            }
        }
        EXPECT_TRUE(fs::is_empty(temporary)) << "a temporary folder was left";
    }
    if (saved != nullptr)
        ::setenv("TMPDIR", savedValue.c_str(), 1);
    else
        ::unsetenv("TMPDIR");

    // A file that is no disc image, and an image without a menu, are told and end the check.
    WriteFile(work.path() / "notes.iso", "just some notes\n");
    const CheckRun notImage = Check({(work.path() / "notes.iso").string()});
    EXPECT_EQ(notImage.status, 2);
    EXPECT_NE(notImage.err.find("notes.iso"), std::string::npos) << notImage.err;
    WriteFile(work.path() / "bare/readme.txt", "no menu here\n");
    MakeIso(work.path() / "bare", work.path() / "bare.iso", Names::Joliet);
    const CheckRun bare = Check({(work.path() / "bare.iso").string()});
    EXPECT_EQ(bare.status, 2);
    EXPECT_NE(bare.err.find("no menu in this image"), std::string::npos) << bare.err;
}

} // namespace
