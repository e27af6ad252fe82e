#pragma once

#include "tools/open/cooked_sectors.h"

#include <cstdint>
#include <string>
#include <vector>

namespace disc_image {

// A disc image as given: an .iso (cooked or raw sectors), a raw .bin, or a .cue with the .bin it
// names. What it takes to read its data track, and what makes it this image and no other.
struct ImageFile {
    std::string given;             // the path as the reader gave it
    std::string trackFile;         // the file holding the data track
    SectorLayout layout;           // where the track's sectors lie in it
    std::uint64_t volumeBytes = 0; // the ISO 9660 volume's size, whole inside the track
    bool jolietNames = false;      // a Joliet directory tree is present
    // Real path, device, inode, size and modification time of each file read (the cue sheet
    // and its .bin, or the image): a changed or replaced image is another image.
    std::string identity;
};

// The largest images taken: a cue sheet addresses at most 100 minutes of 75 sectors a second,
// and an ISO 9660 file is at most a double-layer DVD. Anything larger is no cover disc, and
// reading it could fill the reader's disk.
inline constexpr std::uint64_t kMostCueSectors = 100ull * 60 * 75;
inline constexpr std::uint64_t kMostIsoBytes = 4'173'824ull * 2048;

// Opens and checks an image: the cue sheet and its .bin, the sector layout, the volume
// descriptors, and that the track holds the whole volume (a shorter one is truncated). Throws
// ImageError with the reason.
ImageFile OpenImageFile(const std::string& path);

} // namespace disc_image
