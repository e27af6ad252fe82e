// One disc, every form an archive keeps it in: each opens to the same program directory and the
// same files, named as a mounted disc would name them, read-only, the large one on demand.

#include "test_images.h"

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

#include "tools/open/cache_naming.h"
#include "tools/open/disc_opening.h"
#include "tools/open/image_error.h"
#include "tools/open/lazy_file_write.h"
#include "tools/open/work_folder.h"

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

namespace {

using namespace test_images;
using namespace testkit;

constexpr std::size_t kLargeSize = 3 * 1024 * 1024 + 5; // written when first needed

std::string LargeBytes() {
    std::string bytes(kLargeSize, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 7 + i / 2048);
    return bytes;
}

struct Form {
    const char* name;
    Names names;
    // Turns the ISO into the file handed to OpenDisc (the ISO itself when empty).
    std::function<fs::path(const fs::path& iso, const fs::path& dir)> make;
    bool caseKept; // Joliet and Rock Ridge keep names as written
};

TEST(ImageForms, EveryFormOpensToTheSameDisc) {
    const TempDir work;
    const fs::path source = work.path() / "source";
    WriteSmallDisc(source);
    WriteFile(source / "_html/setup.exe", LargeBytes());
    // Bytes of a raw sector's sync pattern at a sector's start must not confuse the reading.
    WriteFile(source / "_html/sync.bin",
              std::string("\0\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\0", 12));

    const auto asIs = [](const fs::path& iso, const fs::path&) {
        return iso;
    };
    const auto raw = [](int mode, const char* track, bool cue) {
        return [=](const fs::path& iso, const fs::path& dir) {
            WriteRawSectors(iso, dir / "Disc Image.BIN", mode);
            if (!cue)
                return dir / "Disc Image.BIN";
            // Sheets often carry the writer's own path and another case than the file.
            WriteCueSheet(dir / "disc.cue", std::string("C:\\rips\\disc image.bin"), track);
            return dir / "disc.cue";
        };
    };
    const std::vector<Form> forms{
        {"Joliet .iso", Names::Joliet, asIs, true},
        {"plain ISO 9660 .iso", Names::Plain, asIs, false},
        {"Rock Ridge .iso", Names::RockRidge, asIs, true},
        {"cue MODE1/2352", Names::Joliet, raw(1, "MODE1/2352", true), true},
        {"cue MODE2/2352", Names::Plain, raw(2, "MODE2/2352", true), false},
        {"raw .bin without a cue sheet", Names::Joliet, raw(1, "", false), true},
        {"cue MODE1/2048", Names::Joliet,
         [](const fs::path& iso, const fs::path& dir) {
             WriteCueSheet(dir / "cooked.cue", iso.filename().string(), "MODE1/2048");
             return dir / "cooked.cue";
         },
         true},
    };
    for (const Form& form : forms) {
        SCOPED_TRACE(form.name);
        const fs::path dir = work.path() / form.name;
        fs::create_directories(dir);
        const fs::path iso = dir / "disc.iso";
        MakeIso(source, iso, form.names);
        const fs::path given = form.make(iso, dir);
        const fs::path cache = dir / "cache";

        const disc_image::OpenedDisc disc = disc_image::OpenDisc(given.string(), cache.string());
        ASSERT_TRUE(disc.cache);
        const fs::path root = disc.cache->discRoot;
        EXPECT_EQ(disc.programDir, disc.cache->discRoot + "menu/");
        EXPECT_EQ(root.string().rfind(fs::canonical(cache).string(), 0), 0u) << root;

        EXPECT_EQ(ReadFile(root / "menu/tree.txt"), ReadFile(source / "menu/tree.txt"));
        EXPECT_EQ(ReadFile(root / "_html/cover.htm"), ReadFile(source / "_html/cover.htm"));
        EXPECT_EQ(ReadFile(root / "_html/sync.bin"), ReadFile(source / "_html/sync.bin"));
        EXPECT_TRUE(fs::exists(root / (form.caseKept ? "_html/README.TXT" : "_html/readme.txt")));
        EXPECT_TRUE(fs::exists(root / (form.caseKept ? "_html/Mixed.htm" : "_html/mixed.htm")));
        struct stat st {};
        ASSERT_EQ(::stat((root / "menu/html.txt").c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0222, 0u) << "extracted files are read-only";

        // The installer stands in empty until it is asked for.
        const fs::path large = root / "_html/setup.exe";
        ASSERT_EQ(disc.cache->lazyFiles.size(), 1u);
        EXPECT_EQ(fs::file_size(large), 0u);
        EXPECT_FALSE(disc_image::IsWritten(*disc.cache, disc.cache->lazyFiles[0]));
        std::uint64_t progress = 0;
        disc_image::WriteLazyFile(*disc.image, *disc.cache, disc.cache->lazyFiles[0],
                                  {[&](std::uint64_t written) { progress = written; }, {}});
        EXPECT_TRUE(disc_image::IsWritten(*disc.cache, disc.cache->lazyFiles[0]));
        EXPECT_EQ(progress, kLargeSize);
        EXPECT_TRUE(ReadFile(large) == LargeBytes()) << "the installer's bytes differ";
        EXPECT_TRUE(fs::is_empty(disc.cache->entryDir + "tmp")) << "a temporary file was left";
    }
}

// A write the reader cancels, half way through its data or while another open holds the image's
// folder, leaves the empty stand-in and nothing of its own; the next write puts the file in place.
TEST(ImageForms, ACancelledWriteLeavesTheStandInAndNothingElse) {
    const TempDir work;
    WriteSmallDisc(work.path() / "source");
    WriteFile(work.path() / "source/_html/setup.exe", LargeBytes());
    const fs::path iso = work.path() / "disc.iso";
    MakeIso(work.path() / "source", iso, Names::Joliet);
    const disc_image::OpenedDisc disc =
        disc_image::OpenDisc(iso.string(), (work.path() / "cache").string());
    ASSERT_EQ(disc.cache->lazyFiles.size(), 1u);
    const disc_image::LazyFile& large = disc.cache->lazyFiles[0];
    const fs::path standIn = fs::path(disc.cache->discRoot) / large.path;
    const fs::path tmp = disc.cache->entryDir + "tmp";

    std::stop_source stop;
    int pieces = 0;
    EXPECT_THROW(disc_image::WriteLazyFile(*disc.image, *disc.cache, large,
                                           {[&](std::uint64_t written) {
                                                ++pieces;
                                                if (written < kLargeSize)
                                                    stop.request_stop();
                                            },
                                            stop.get_token()}),
                 disc_image::Cancelled);
    EXPECT_EQ(pieces, 1) << "the write went on after it was cancelled";
    EXPECT_EQ(fs::file_size(standIn), 0u);
    EXPECT_TRUE(fs::is_empty(tmp)) << "the half-written file was left";

    // The lock is held here for good, so the write can only end by the stop (a wait that no stop
    // ends would hang until the test's time is up).
    {
        const disc_image::FileLock held = disc_image::LockCacheEntry(disc.cache->entryDir);
        EXPECT_THROW(
            disc_image::WriteLazyFile(*disc.image, *disc.cache, large, {{}, stop.get_token()}),
            disc_image::Cancelled);
    }
    EXPECT_EQ(fs::file_size(standIn), 0u);
    EXPECT_TRUE(fs::is_empty(tmp));

    disc_image::WriteLazyFile(*disc.image, *disc.cache, large);
    EXPECT_TRUE(disc_image::IsWritten(*disc.cache, large));
    EXPECT_TRUE(ReadFile(standIn) == LargeBytes()) << "the installer's bytes differ";
}

// The second open of an image reuses its folder; a changed image is another image.
TEST(ImageForms, ReopeningReusesTheCacheUntilTheImageChanges) {
    const TempDir work;
    WriteSmallDisc(work.path() / "source");
    const fs::path iso = work.path() / "disc.iso";
    MakeIso(work.path() / "source", iso, Names::Joliet);
    const std::string cache = (work.path() / "cache").string();

    const disc_image::OpenedDisc first = disc_image::OpenDisc(iso.string(), cache);
    EXPECT_FALSE(first.cache->reused);
    const disc_image::OpenedDisc second = disc_image::OpenDisc(iso.string(), cache);
    EXPECT_TRUE(second.cache->reused);
    EXPECT_EQ(second.programDir, first.programDir);

    fs::last_write_time(iso, fs::last_write_time(iso) + std::chrono::seconds(5));
    const disc_image::OpenedDisc changed = disc_image::OpenDisc(iso.string(), cache);
    EXPECT_FALSE(changed.cache->reused);
    EXPECT_NE(changed.cache->entryDir, first.cache->entryDir);
    EXPECT_THROW(disc_image::WriteLazyFile(*first.image, *first.cache,
                                           disc_image::LazyFile{"x", 1, 0, "x", false}),
                 disc_image::ImageError)
        << "a large file is written only from the image the cache was made from";
}

// An open that was cut short leaves a folder that is never taken for complete: the next open
// builds the disc again and clears what was left.
TEST(ImageForms, AnInterruptedExtractionIsNeverTrusted) {
    const TempDir work;
    WriteSmallDisc(work.path() / "source");
    const fs::path iso = work.path() / "disc.iso";
    MakeIso(work.path() / "source", iso, Names::Joliet);
    const fs::path cache = work.path() / "cache";
    const disc_image::OpenedDisc first = disc_image::OpenDisc(iso.string(), cache.string());
    const fs::path entry = first.cache->entryDir;
    const std::string name = entry.parent_path().filename().string();

    // A build cut short, and a folder of the image's name without its list of large files.
    fs::create_directories(cache / (".build-" + name + "-0123") / "disc");
    fs::permissions(entry / "lazy", fs::perms::owner_write, fs::perm_options::add);
    fs::remove(entry / "lazy");
    fs::permissions(entry / "disc/menu", fs::perms::owner_write, fs::perm_options::add);
    WriteFile(entry / "disc/menu/leftover.txt", "half");

    const disc_image::OpenedDisc again = disc_image::OpenDisc(iso.string(), cache.string());
    EXPECT_FALSE(again.cache->reused);
    EXPECT_FALSE(fs::exists(entry / "disc/menu/leftover.txt"));
    EXPECT_FALSE(fs::exists(cache / (".build-" + name + "-0123")));
    EXPECT_EQ(ReadFile(entry / "disc/menu/tree.txt"),
              ReadFile(work.path() / "source/menu/tree.txt"));
}

// The lists of a complete folder are the program's own: what it never writes there is damage.
// A damaged folder is never read as some other path: the open builds it again from the image.
TEST(ImageForms, ADamagedCacheListIsNeverTrustedButBuiltAgain) {
    const TempDir work;
    WriteSmallDisc(work.path() / "source");
    const fs::path iso = work.path() / "disc.iso";
    MakeIso(work.path() / "source", iso, Names::Joliet);
    const fs::path cache = work.path() / "cache";
    const fs::path entry = disc_image::OpenDisc(iso.string(), cache.string()).cache->entryDir;

    const struct {
        const char* list;
        std::string text;
    } cases[] = {
        {"lazy", "5 3 0 _html/a%zz _html/a\n"}, // no escape at all
        {"lazy", "5 3 0 _html/a%4g _html/a\n"}, // half an escape
        {"lazy", "5 3 0 _html/a%41 _html/a\n"}, // an escape the writer never makes
        {"lazy", "5 3 0 _html/a\n"},            // a field missing
        {"menu", "me%-1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const fs::path list = entry / c.list;
        const std::string kept = ReadFile(list);
        fs::permissions(list, fs::perms::owner_write, fs::perm_options::add);
        WriteFile(list, c.text);
        const disc_image::OpenedDisc opened = disc_image::OpenDisc(iso.string(), cache.string());
        EXPECT_FALSE(opened.cache->reused);
        EXPECT_EQ(ReadFile(list), kept);
        EXPECT_TRUE(disc_image::OpenDisc(iso.string(), cache.string()).cache->reused);
    }
}

// An open of an image that a running window is writing a large file of (a second start of the
// opener, which then finds the window) leaves that write's work folder alone, and clears what
// writes that ended unfinished left.
TEST(ImageForms, ReopeningLeavesALargeFileBeingWrittenAlone) {
    const TempDir work;
    WriteSmallDisc(work.path() / "source");
    const fs::path iso = work.path() / "disc.iso";
    MakeIso(work.path() / "source", iso, Names::Joliet);
    const std::string cache = (work.path() / "cache").string();
    const fs::path tmp = disc_image::OpenDisc(iso.string(), cache).cache->entryDir + "tmp";

    const disc_image::WorkFolder writing(tmp.string());
    WriteFile(fs::path(writing.path()) / "data", "half written");
    WriteFile(tmp / "ended/.lock", "");
    WriteFile(tmp / "ended/data", "half written");
    WriteFile(tmp / "stray", "x");

    EXPECT_TRUE(disc_image::OpenDisc(iso.string(), cache).cache->reused);
    const std::string held = fs::path(writing.path()).filename().string();
    EXPECT_EQ(EntriesUnder(tmp), (std::set<std::string>{held, held + "/.lock", held + "/data"}));
}

} // namespace
