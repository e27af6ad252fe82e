#pragma once

#include "tools/open/image_reader.h"
#include "tools/open/program_dir_finder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace disc_image {

// Files up to this size are written when the image is opened; larger ones (installers, archives,
// movies) when they are first needed, so that the first page never waits for them.
inline constexpr std::uint64_t kWrittenAtOpen = 1024 * 1024;
// An image holds at most this many entries; a real disc has thousands.
inline constexpr std::size_t kMostEntries = 1'000'000;

enum class Action {
    MakeDirectory,
    WriteNow,   // a small file, written at open
    WriteLater, // a large file: an empty stand-in now, its data when first needed
    CopyNow,    // a second name of a small file: a copy of its data (never a link)
    MakeLink,   // a symbolic link that stays inside the disc
    Skip,       // not written: see reason
};

struct PlannedEntry {
    ImageEntry entry;
    Action action = Action::Skip;
    std::size_t dataOrdinal = 0; // WriteNow, WriteLater, CopyNow: the entry holding the data
    std::string dataPath;        // and its path
    std::string reason;          // Skip: why, for the reader
};

// What is written of an image, and where its menu is.
struct ExtractionPlan {
    std::vector<PlannedEntry> entries; // in the reader's order
    DiscTree tree;                     // what is written, for finding the menu
    std::size_t skipped = 0;
};

// Decides for each entry whether and how it is written into the cache. An image is untrusted:
// nothing may land outside the cache or stand in for something else. Not written are names that
// are empty, "." or ".." or longer than a file name may be; a second entry of a name already
// taken; entries below something that is not a written directory; device files, pipes and
// sockets; a second name (hard link) of anything but a written file; symbolic links that are
// absolute, lead out of the image's root, pass through another link, or lead to nothing
// written. Throws ImageError when the image holds more entries, or claims more bytes of data,
// than an image of imageBytes can (four times over, for files stored once under several names).
ExtractionPlan PlanExtraction(std::vector<ImageEntry> entries, std::uint64_t imageBytes);

} // namespace disc_image
