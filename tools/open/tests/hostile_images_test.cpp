// Hostile and broken images: nothing is written outside the cache, nothing that could lead out
// of it is written at all, and what cannot be shown ends with its reason.

#include "test_images.h"

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

#include "tools/open/disc_opening.h"
#include "tools/open/image_error.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

using namespace test_images;
using namespace testkit;

struct Failure {
    const char* name;
    // Writes the image (or folder) into dir and returns what is handed to OpenDisc.
    std::function<fs::path(const fs::path& dir)> make;
    const char* reason; // a part of the message
};

fs::path PlainIsoWith(const fs::path& dir, const std::function<void(const fs::path&)>& extra) {
    WriteSmallDisc(dir / "source");
    extra(dir / "source");
    MakeIso(dir / "source", dir / "disc.iso", Names::Plain);
    return dir / "disc.iso";
}

void Patch(const fs::path& image, const std::function<void(std::string&)>& change) {
    std::string bytes = ReadFile(image);
    change(bytes);
    WriteFile(image, bytes);
}

TEST(HostileImages, WhatCannotBeShownEndsWithItsReason) {
    const std::vector<Failure> failures{
        {"a directory that contains its own parent",
         [](const fs::path& dir) {
             const fs::path iso = PlainIsoWith(dir, [](const fs::path& source) {
                 fs::create_directories(source / "_html/loop/deeper");
             });
             Patch(iso, [](std::string& bytes) {
                 const std::uint32_t root = RootExtent(bytes);
                 SetBothEndian32(bytes, DirectoryRecord(bytes, "DEEPER") + 2, root);
             });
             return iso;
         },
         "loop"},
        {"a file claiming 4 GB in a small image",
         [](const fs::path& dir) {
             const fs::path iso = PlainIsoWith(
                 dir, [](const fs::path& source) { WriteFile(source / "_html/big.bin", "x"); });
             Patch(iso, [](std::string& bytes) {
                 SetBothEndian32(bytes, DirectoryRecord(bytes, "BIG.BIN;1") + 10, 0xFFFFFFFFu);
             });
             return iso;
         },
         "damaged"},
        {"a truncated image",
         [](const fs::path& dir) {
             const fs::path iso = PlainIsoWith(dir, [](const fs::path&) {});
             fs::resize_file(iso, fs::file_size(iso) - 3 * 2048);
             return iso;
         },
         "truncated"},
        {"a file that is not a disc",
         [](const fs::path& dir) {
             std::string bytes(200 * 1024, '\0');
             for (std::size_t i = 0; i < bytes.size(); ++i)
                 bytes[i] = static_cast<char>(i * 2654435761u >> 13);
             WriteFile(dir / "random.iso", bytes);
             return dir / "random.iso";
         },
         "not an ISO 9660"},
        {"a disc whose tree.txt is a folder",
         [](const fs::path& dir) {
             WriteFile(dir / "source/menu/html.txt", "x.htm\r\n");
             WriteFile(dir / "source/menu/button.txt", "\r\n");
             fs::create_directories(dir / "source/menu/tree.txt");
             fs::create_directories(dir / "source/_html");
             MakeIso(dir / "source", dir / "disc.iso", Names::Joliet);
             return dir / "disc.iso";
         },
         "no menu"},
        {"a cue sheet naming a missing .bin",
         [](const fs::path& dir) {
             WriteCueSheet(dir / "disc.cue", "gone.bin", "MODE1/2352");
             return dir / "disc.cue";
         },
         "not beside it"},
        {"a cue sheet naming a huge .bin",
         [](const fs::path& dir) {
             WriteCueSheet(dir / "disc.cue", "huge.bin", "MODE1/2352");
             WriteFile(dir / "huge.bin", "");
             fs::resize_file(dir / "huge.bin", 8ull << 30); // sparse: nothing is written
             return dir / "disc.cue";
         },
         "too large"},
        {"a cue sheet of audio only",
         [](const fs::path& dir) {
             WriteFile(dir / "disc.cue",
                       "FILE \"a.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n");
             return dir / "disc.cue";
         },
         "no data track"},
        {"a folder without a menu",
         [](const fs::path& dir) {
             WriteFile(dir / "folder/menu/tree.txt", "x\r\n");
             return dir / "folder";
         },
         "no menu"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        const TempDir work;
        const fs::path given = failure.make(work.path());
        const fs::path cache = work.path() / "cache";
        try {
            disc_image::OpenDisc(given.string(), cache.string());
            ADD_FAILURE() << "opened";
        } catch (const disc_image::ImageError& error) {
            EXPECT_NE(std::string(error.what()).find(failure.reason), std::string::npos)
                << error.what();
        }
        // Nothing of the image is left in the cache that a later open would find.
        if (fs::exists(cache)) {
            for (const std::string& entry : EntriesUnder(cache))
                EXPECT_NE(entry.find(".lock"), std::string::npos) << "left in the cache: " << entry;
        }
    }
}

// Rock Ridge can say anything: links to absolute paths and up out of the disc, names that climb,
// devices, pipes and second names. The disc still opens; none of those is written.
TEST(HostileImages, NothingLeadsOutOfTheCache) {
    const TempDir work;
    const fs::path outside = work.path() / "outside";
    const fs::path source = work.path() / "source";
    WriteSmallDisc(source);
    const fs::path html = source / "_html";
    fs::create_directories(html / "docs");
    fs::create_symlink("/etc/passwd", html / "absolute");
    fs::create_symlink("../../../../../../../../../../" + outside.relative_path().string(),
                       html / "up");
    fs::create_symlink("../../..", html / "docs/above-root");
    fs::create_symlink("docs", html / "docs-link");
    fs::create_symlink("docs-link/../cover.htm", html / "through-link");
    fs::create_symlink("cover.htm", html / "cover-link");
    fs::create_symlink("missing.htm", html / "dangling");
    fs::create_hard_link(html / "cover.htm", html / "second-name.htm");
    WriteFile(html / "evilname", "climbs");
    ASSERT_EQ(::mkfifo((html / "pipe").c_str(), 0644), 0);
    if (::geteuid() == 0) {
        ASSERT_EQ(::mknod((html / "null").c_str(), S_IFCHR | 0644, makedev(1, 3)), 0);
    }
    MakeIso(source, work.path() / "disc.iso", Names::RockRidge);
    // A Rock Ridge name that climbs out: "evilname" becomes "../../..".
    Patch(work.path() / "disc.iso", [](std::string& bytes) {
        for (std::size_t at = 0; (at = bytes.find("evilname", at)) != std::string::npos;)
            bytes.replace(at, 8, "../../..");
    });

    const std::set<std::string> before = EntriesUnder(work.path());
    const disc_image::OpenedDisc disc =
        disc_image::OpenDisc((work.path() / "disc.iso").string(), (work.path() / "cache").string());
    const fs::path root = disc.cache->discRoot;
    const std::set<std::string> written = EntriesUnder(root / "_html");
    const std::set<std::string> expected{"Mixed.htm", "README.TXT",     "cover-link",
                                         "cover.htm", "cover.txt",      "docs",
                                         "docs-link", "second-name.htm"};
    EXPECT_EQ(written, expected);
    EXPECT_EQ(fs::read_symlink(root / "_html/cover-link"), "cover.htm");
    EXPECT_EQ(ReadFile(root / "_html/second-name.htm"), ReadFile(html / "cover.htm"));
    EXPECT_FALSE(fs::is_symlink(root / "_html/second-name.htm"));
    EXPECT_EQ(fs::hard_link_count(root / "_html/second-name.htm"), 1u) << "a link, not a copy";
    EXPECT_GE(disc.cache->skipped, 6u);
    EXPECT_FALSE(fs::exists(outside));
    std::set<std::string> after;
    for (const std::string& entry : EntriesUnder(work.path()))
        if (entry.rfind("cache", 0) != 0)
            after.insert(entry);
    EXPECT_EQ(after, before) << "written outside the cache";
}

// An image of 100,000 files opens without taking the machine: the cache holds them all.
TEST(HostileImages, ManyFilesOpen) {
    const TempDir work;
    const fs::path source = work.path() / "source";
    WriteSmallDisc(source);
    WriteFile(source / "_html/empty", "");
    constexpr int kFolders = 100;
    constexpr int kFilesEach = 1000;
    std::vector<std::string> commands;
    for (int d = 0; d < kFolders; ++d) {
        commands.push_back("-mkdir /_html/many/" + std::to_string(d));
        for (int f = 0; f < kFilesEach; ++f)
            commands.push_back("-clone /_html/empty /_html/many/" + std::to_string(d) + '/' +
                               std::to_string(f));
    }
    MakeIso(source, work.path() / "disc.iso", Names::RockRidge, commands);
    const disc_image::OpenedDisc disc =
        disc_image::OpenDisc((work.path() / "disc.iso").string(), (work.path() / "cache").string());
    std::size_t files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(disc.cache->discRoot + "_html/many"))
        files += entry.is_regular_file();
    EXPECT_EQ(files, static_cast<std::size_t>(kFolders * kFilesEach));
}

} // namespace
