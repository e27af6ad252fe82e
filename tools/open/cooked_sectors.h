#pragma once

#include "tools/open/byte_source.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace disc_image {

inline constexpr std::uint32_t kUserDataSize = 2048; // bytes of an ISO 9660 logical sector
inline constexpr std::uint32_t kRawSectorSize = 2352;

// Where the 2048-byte sectors of a data track lie in an image file: cooked, one after another,
// or inside raw CD sectors of 2352 bytes, after the sync pattern and the header (16 bytes in
// mode 1) and, in mode 2 form 1, the subheader (24 bytes in all). The rest of a raw sector is
// error correction, which an image read from a file has no use for.
struct SectorLayout {
    std::uint64_t trackStart = 0; // byte offset of the track's first sector in the file
    std::uint32_t sectorSize = kUserDataSize;
    std::uint32_t dataOffset = 0;
    bool operator==(const SectorLayout&) const = default;
};

// The track's user data as one run of bytes: what an ISO 9660 reader expects to find in a file.
// Only whole sectors count: one cut off at the end of the file is not part of the track.
class CookedSectors final {
public:
    CookedSectors(ByteSource& source, SectorLayout layout);

    std::uint64_t Size() const { return m_sectors * kUserDataSize; }
    // Fewer bytes than asked for only at the end of the track.
    std::size_t Read(std::uint64_t offset, void* buffer, std::size_t size);

private:
    ByteSource& m_source;
    SectorLayout m_layout;
    std::uint64_t m_sectors = 0;
    std::vector<std::uint8_t> m_raw; // a run of raw sectors read at once
};

// The layout among the given sector sizes (both when none is given) under which the track
// starting at trackStart holds an ISO 9660 primary volume descriptor in sector 16; nullopt when
// none does.
std::optional<SectorLayout> DetectLayout(ByteSource& source, std::uint64_t trackStart,
                                         std::optional<std::uint32_t> sectorSize = std::nullopt);

// What the volume descriptors say.
struct VolumeInfo {
    std::uint64_t volumeBytes = 0; // the volume's size by its primary descriptor
    bool joliet = false;           // a supplementary descriptor with Joliet names
};

// Reads the volume descriptor set from sector 16 on; nullopt when it is not ISO 9660.
std::optional<VolumeInfo> ReadVolumeInfo(CookedSectors& sectors);

} // namespace disc_image
