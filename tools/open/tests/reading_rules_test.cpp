// The pure rules of opening a disc: the cue sheet, the raw sector shim and the menu's place.

#include "tools/open/cooked_sectors.h"
#include "tools/open/cue_sheet.h"
#include "tools/open/image_error.h"
#include "tools/open/program_dir_finder.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace disc_image;

TEST(CueSheet, FindsTheFirstDataTrackAndItsStart) {
    struct Case {
        const char* sheet;
        CueDataTrack track; // file empty: ImageError expected
    };
    const Case cases[] = {
        {"FILE \"Disc One.bin\" BINARY\r\n  TRACK 01 MODE1/2352\r\n    INDEX 01 00:00:00\r\n",
         {"Disc One.bin", 2352, 0}},
        {"\xEF\xBB\xBFREM GENRE x\nFILE disc.iso BINARY\n TRACK 1 mode1/2048\n INDEX 01 00:02:05\n",
         {"disc.iso", 2048, 155}},
        // The data track after an audio track of another file.
        {"FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nFILE \"d.bin\" BINARY\nTRACK 02 "
         "MODE2/2352\nPREGAP 00:02:00\nINDEX 00 00:00:00\nINDEX 01 00:00:10\n",
         {"d.bin", 2352, 10}},
        {"FILE d.bin BINARY\nTRACK 01 MODE2/2336\nINDEX 01 00:00:00\n", {}},
        {"FILE d.bin BINARY\nTRACK 01 MODE1/2352\nINDEX 01 00:61:00\n", {}},
        {"TRACK 01 MODE1/2352\nINDEX 01 00:00:00\n", {}},
        {"<html>not a sheet</html>\n", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sheet);
        if (c.track.file.empty()) {
            EXPECT_THROW(ReadCueSheet(c.sheet), ImageError);
            continue;
        }
        const CueDataTrack track = ReadCueSheet(c.sheet);
        EXPECT_EQ(track.file, c.track.file);
        EXPECT_EQ(track.sectorSize, c.track.sectorSize);
        EXPECT_EQ(track.startSector, c.track.startSector);
    }
}

// Raw sectors of both modes, behind a pregap, cut off mid-sector at the end: any run of the
// cooked bytes read through the shim is the run of the original.
TEST(SectorShim, RawSectorsReadAsTheCookedTrack) {
    constexpr std::size_t kSectors = 40;
    std::string cooked(kSectors * kUserDataSize, '\0');
    std::mt19937 random(15);
    for (char& c : cooked)
        c = static_cast<char>(random());
    for (const std::uint32_t dataOffset : {16u, 24u}) {
        SCOPED_TRACE(dataOffset);
        constexpr std::uint64_t kPregap = 3 * kRawSectorSize;
        std::string raw(kPregap, '\x55');
        for (std::size_t s = 0; s < kSectors; ++s) {
            std::string sector(kRawSectorSize, '\xEE');
            sector.replace(dataOffset, kUserDataSize, cooked, s * kUserDataSize, kUserDataSize);
            raw += sector;
        }
        raw += std::string(1000, '\x77'); // a partial sector: not part of the track
        MemorySource source({reinterpret_cast<const std::uint8_t*>(raw.data()), raw.size()});
        CookedSectors sectors(source, {kPregap, kRawSectorSize, dataOffset});
        ASSERT_EQ(sectors.Size(), cooked.size());
        for (int i = 0; i < 200; ++i) {
            const std::size_t offset = random() % (cooked.size() + 100);
            const std::size_t size = random() % (70 * 1024);
            std::string got(size, '\0');
            got.resize(sectors.Read(offset, got.data(), size));
            EXPECT_EQ(got, offset < cooked.size() ? cooked.substr(offset, size) : std::string())
                << "offset " << offset << " size " << size;
        }
    }
}

TEST(ProgramDirFinder, ChoosesTheShallowestMenuThenTheFirstByName) {
    struct Case {
        const char* what;
        std::vector<std::string> directories;
        std::vector<std::string> menus; // folders holding the three list files
        std::optional<std::string> found;
    };
    const Case cases[] = {
        {"the cover disc's layout", {"menu", "_html"}, {"menu"}, "menu"},
        {"shallowest first", {"b", "b/_html", "b/menu", "z", "_html"}, {"b/menu", "z"}, "z"},
        {"then by name", {"_html", "m2", "m1"}, {"m2", "m1"}, "m1"},
        {"no _html beside it", {"menu", "html"}, {"menu"}, std::nullopt},
        {"_html inside it is not beside it", {"menu", "menu/_html"}, {"menu"}, std::nullopt},
        {"the root has nothing beside it", {"_html"}, {""}, std::nullopt},
        {"case counts: the browser opens the names as written",
         {"MENU", "_HTML"},
         {},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DiscTree tree;
        tree.directories = {c.directories.begin(), c.directories.end()};
        tree.directories.insert("");
        for (const std::string& menu : c.menus)
            for (const char* name : {"tree.txt", "html.txt", "button.txt"})
                tree.files.insert(menu.empty() ? name : menu + '/' + name);
        tree.files.insert("MENU/TREE.TXT");
        EXPECT_EQ(FindProgramDir(tree), c.found);
    }
}

} // namespace
