#include "tools/open/image_file.h"

#include "content/disc_path.h"
#include "tools/open/byte_source.h"
#include "tools/open/cue_sheet.h"
#include "tools/open/image_error.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>

namespace disc_image {
namespace {

constexpr std::uint64_t kMostCueSheetBytes = 64 * 1024;

bool EndsWithIgnoringCase(const std::string& text, std::string_view suffix) {
    if (text.size() < suffix.size())
        return false;
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        char c = text[text.size() - suffix.size() + i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != suffix[i])
            return false;
    }
    return true;
}

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return "./";
    return path.substr(0, slash + 1);
}

// The identity of one file: its real path and what stat says of it.
std::string IdentityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        throw ImageError(path + ": " + std::strerror(errno));
    char* real = ::realpath(path.c_str(), nullptr);
    std::string identity = real ? real : path;
    std::free(real);
    identity += '\0';
    identity += std::to_string(st.st_dev) + ':' + std::to_string(st.st_ino) + ':' +
                std::to_string(st.st_size) + ':' + std::to_string(st.st_mtim.tv_sec) + '.' +
                std::to_string(st.st_mtim.tv_nsec);
    identity += '\0';
    return identity;
}

// The .bin a cue sheet names, looked for beside the sheet by its last name: sheets often carry
// the path of the machine that wrote them ("C:\rips\disc.bin"). The name is matched exactly,
// then ignoring ASCII case, as a Windows reader of the sheet would.
std::string BinBeside(const std::string& cuePath, const std::string& named) {
    std::string name = named;
    const std::size_t cut = name.find_last_of("/\\");
    if (cut != std::string::npos)
        name.erase(0, cut + 1);
    if (name.empty() || name == "." || name == "..")
        throw ImageError(cuePath + ": the cue sheet names no usable file (\"" + named + "\")");
    const std::string bin = content::MatchDiscPath(DirectoryOf(cuePath), name);
    struct stat st {};
    if (::stat(bin.c_str(), &st) != 0)
        throw ImageError(cuePath + ": the cue sheet names \"" + named +
                         "\", which is not beside it (" + std::strerror(errno) + ")");
    return bin;
}

std::string ReadCueText(const std::string& path) {
    FileSource cue(path);
    if (cue.Size() > kMostCueSheetBytes)
        throw ImageError(path + ": too large for a cue sheet");
    std::string text(static_cast<std::size_t>(cue.Size()), '\0');
    text.resize(cue.ReadAt(0, text.data(), text.size()));
    return text;
}

} // namespace

ImageFile OpenImageFile(const std::string& path) {
    ImageFile image;
    image.given = path;
    std::optional<std::uint32_t> sectorSize;
    std::uint64_t startSector = 0;
    if (EndsWithIgnoringCase(path, ".cue")) {
        CueDataTrack track;
        try {
            track = ReadCueSheet(ReadCueText(path));
        } catch (const ImageError& error) {
            const std::string what = error.what();
            throw ImageError(what.rfind(path, 0) == 0 ? what : path + ": " + what);
        }
        image.trackFile = BinBeside(path, track.file);
        image.identity = IdentityOf(path);
        sectorSize = track.sectorSize;
        startSector = track.startSector;
    } else {
        image.trackFile = path;
    }
    image.identity += IdentityOf(image.trackFile);

    FileSource source(image.trackFile);
    const bool raw =
        sectorSize ? *sectorSize == kRawSectorSize : EndsWithIgnoringCase(image.trackFile, ".bin");
    if ((sectorSize || raw) && source.Size() > kMostCueSectors * kRawSectorSize)
        throw ImageError(image.trackFile + ": too large for a CD image (" +
                         std::to_string(source.Size()) + " bytes)");
    if (source.Size() > kMostIsoBytes)
        throw ImageError(image.trackFile + ": too large for a disc image (" +
                         std::to_string(source.Size()) + " bytes)");
    const std::uint64_t trackStart = startSector * sectorSize.value_or(kUserDataSize);
    const std::optional<SectorLayout> layout = DetectLayout(source, trackStart, sectorSize);
    if (!layout)
        throw ImageError(image.trackFile + ": not an ISO 9660 disc image");
    image.layout = *layout;

    CookedSectors sectors(source, image.layout);
    const std::optional<VolumeInfo> volume = ReadVolumeInfo(sectors);
    if (!volume)
        throw ImageError(image.trackFile + ": not an ISO 9660 disc image");
    if (volume->volumeBytes > sectors.Size())
        throw ImageError(image.trackFile + ": the image is truncated: its volume has " +
                         std::to_string(volume->volumeBytes) + " bytes, the image holds " +
                         std::to_string(sectors.Size()));
    image.volumeBytes = volume->volumeBytes;
    image.jolietNames = volume->joliet;
    return image;
}

} // namespace disc_image
