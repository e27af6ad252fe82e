#include "tools/open/cooked_sectors.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace disc_image {
namespace {

constexpr std::size_t kRunSectors = 32;
constexpr std::uint64_t kFirstDescriptorSector = 16;
constexpr int kMostDescriptors = 64; // a real set has a handful

bool IsDescriptor(const std::uint8_t* sector, std::uint8_t type) {
    return sector[0] == type && std::memcmp(sector + 1, "CD001", 5) == 0 && sector[6] == 1;
}

std::uint32_t LittleEndian32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t LittleEndian16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

} // namespace

CookedSectors::CookedSectors(ByteSource& source, SectorLayout layout)
    : m_source(source), m_layout(layout) {
    const std::uint64_t size = source.Size();
    m_sectors = size > layout.trackStart ? (size - layout.trackStart) / layout.sectorSize : 0;
    if (layout.sectorSize != kUserDataSize)
        m_raw.resize(kRunSectors * layout.sectorSize);
}

std::size_t CookedSectors::Read(std::uint64_t offset, void* buffer, std::size_t size) {
    if (offset >= Size())
        return 0;
    size = static_cast<std::size_t>(std::min<std::uint64_t>(size, Size() - offset));
    if (m_layout.sectorSize == kUserDataSize)
        return m_source.ReadAt(m_layout.trackStart + offset, buffer, size);

    auto* out = static_cast<std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const std::uint64_t sector = (offset + done) / kUserDataSize;
        const std::size_t within = static_cast<std::size_t>((offset + done) % kUserDataSize);
        const std::size_t wanted = size - done;
        const std::size_t run = std::min<std::size_t>(
            kRunSectors, (within + wanted + kUserDataSize - 1) / kUserDataSize);
        const std::size_t got = m_source.ReadAt(m_layout.trackStart + sector * m_layout.sectorSize,
                                                m_raw.data(), run * m_layout.sectorSize);
        const std::size_t whole = got / m_layout.sectorSize;
        if (whole == 0)
            break;
        for (std::size_t i = 0; i < whole && done < size; ++i) {
            const std::size_t from = i == 0 ? within : 0;
            const std::size_t n = std::min<std::size_t>(kUserDataSize - from, size - done);
            std::memcpy(out + done,
                        m_raw.data() + i * m_layout.sectorSize + m_layout.dataOffset + from, n);
            done += n;
        }
        if (whole < run)
            break;
    }
    return done;
}

std::optional<SectorLayout> DetectLayout(ByteSource& source, std::uint64_t trackStart,
                                         std::optional<std::uint32_t> sectorSize) {
    static constexpr std::array<SectorLayout, 3> kCandidates{{
        {0, kUserDataSize, 0},   // cooked (.iso, MODE1/2048)
        {0, kRawSectorSize, 16}, // raw mode 1
        {0, kRawSectorSize, 24}, // raw mode 2 form 1 (CD-ROM XA)
    }};
    for (SectorLayout layout : kCandidates) {
        if (sectorSize && layout.sectorSize != *sectorSize)
            continue;
        layout.trackStart = trackStart;
        CookedSectors sectors(source, layout);
        std::array<std::uint8_t, 8> head{};
        if (sectors.Read(kFirstDescriptorSector * kUserDataSize, head.data(), head.size()) ==
                head.size() &&
            IsDescriptor(head.data(), 1))
            return layout;
    }
    return std::nullopt;
}

std::optional<VolumeInfo> ReadVolumeInfo(CookedSectors& sectors) {
    std::optional<VolumeInfo> info;
    bool joliet = false;
    std::array<std::uint8_t, kUserDataSize> sector{};
    for (int i = 0; i < kMostDescriptors; ++i) {
        if (sectors.Read((kFirstDescriptorSector + i) * kUserDataSize, sector.data(),
                         sector.size()) != sector.size())
            break;
        if (IsDescriptor(sector.data(), 255))
            break;
        if (IsDescriptor(sector.data(), 1) && !info) {
            // Volume space size (sectors) at 80, logical block size at 128, both little-endian
            // halves of their both-endian fields.
            const std::uint64_t blockSize = LittleEndian16(sector.data() + 128);
            info = VolumeInfo{LittleEndian32(sector.data() + 80) * blockSize, false};
        } else if (IsDescriptor(sector.data(), 2)) {
            // The escape sequences of the three Joliet levels: %/@, %/C, %/E.
            const std::uint8_t* escape = sector.data() + 88;
            if (escape[0] == '%' && escape[1] == '/' &&
                (escape[2] == '@' || escape[2] == 'C' || escape[2] == 'E'))
                joliet = true;
        } else if (std::memcmp(sector.data() + 1, "CD001", 5) != 0) {
            break; // not a descriptor: the set ended without its terminator
        }
    }
    if (info)
        info->joliet = joliet;
    return info;
}

} // namespace disc_image
