#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace disc_image {

// The data track a cue sheet describes: the file holding it, as the sheet names it, the size of
// its sectors, and where its first sector (INDEX 01) lies in that file.
struct CueDataTrack {
    std::string file;
    std::uint32_t sectorSize = 0; // 2048 (MODE1/2048) or 2352 (MODE1/2352, MODE2/2352)
    std::uint64_t startSector = 0;
};

// Reads the first data track of a cue sheet. Audio tracks and the commands that say nothing
// about where the data lies (REM, TITLE, PREGAP ...) are passed over. Throws ImageError when the
// sheet has no data track, names no file for it, gives its track a mode other than the three
// above, or is not a cue sheet at all.
CueDataTrack ReadCueSheet(std::string_view text);

} // namespace disc_image
