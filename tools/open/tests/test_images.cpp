#include "test_images.h"

#include "tests/support/child_process.h"
#include "tests/support/files.h"

#include <algorithm>
#include <stdexcept>

namespace test_images {
using testkit::ReadFile;
using testkit::WriteFile;

void WriteSmallDisc(const fs::path& root) {
    WriteFile(root / "menu/tree.txt", "Contents\r\n Cover\r\n");
    WriteFile(root / "menu/html.txt", "\r\ncover.htm\r\n");
    WriteFile(root / "menu/button.txt", "\r\ncover.txt\r\n");
    WriteFile(root / "menu/init.txt", "No. 1\r\n");
    WriteFile(root / "_html/cover.htm", "<html><body><p>cover</p></body></html>\n");
    WriteFile(root / "_html/cover.txt", "Read\r\nREADME.TXT\r\n");
    WriteFile(root / "_html/README.TXT", "read me\n");
    WriteFile(root / "_html/Mixed.htm", "<p>mixed</p>\n");
}

void MakeIso(const fs::path& source, const fs::path& iso, Names names,
             const std::vector<std::string>& commands) {
    std::vector<std::string> args{"xorriso", "-abort_on", "FAILURE", "-outdev", iso.string()};
    if (names != Names::RockRidge)
        args.insert(args.end(), {"-rockridge", "off"});
    args.insert(args.end(), {"-joliet", names == Names::Joliet ? "on" : "off"});
    args.insert(args.end(), {"-map", source.string(), "/", "-padding", "0"});
    const fs::path commandFile = iso.string() + ".commands";
    if (!commands.empty()) {
        std::string text;
        for (const std::string& command : commands)
            text += command + '\n';
        WriteFile(commandFile, text);
        args.insert(args.end(), {"-options_from_file", commandFile.string()});
    }
    const std::optional<testkit::ExitStatus> status = testkit::RunToEnd(
        {args, testkit::EnvironmentWith({}, {}), {}, -1}, std::chrono::minutes(4));
    std::error_code ignored;
    fs::remove(commandFile, ignored);
    if (status != testkit::ExitStatus::Exited(0))
        throw std::runtime_error("xorriso could not write " + iso.string());
}

void WriteRawSectors(const fs::path& iso, const fs::path& bin, int mode) {
    const std::string cooked = ReadFile(iso);
    std::string raw;
    raw.reserve(cooked.size() / 2048 * 2352);
    for (std::size_t sector = 0; sector * 2048 < cooked.size(); ++sector) {
        std::string block(2352, '\0');
        std::fill(block.begin() + 1, block.begin() + 11, '\xFF'); // the sync pattern
        const std::size_t frame = sector + 150; // sector addresses count the 2 s lead-in
        const auto bcd = [](std::size_t v) {
            return static_cast<char>((v / 10) << 4 | (v % 10));
        };
        block[12] = bcd(frame / 75 / 60);
        block[13] = bcd(frame / 75 % 60);
        block[14] = bcd(frame % 75);
        block[15] = static_cast<char>(mode);
        std::size_t data = 16;
        if (mode == 2) {
            const char subheader[8] = {0, 0, 8, 0, 0, 0, 8, 0}; // form 1, data
            std::copy(subheader, subheader + 8, block.begin() + 16);
            data = 24;
        }
        std::copy_n(cooked.begin() + static_cast<std::ptrdiff_t>(sector * 2048), 2048,
                    block.begin() + static_cast<std::ptrdiff_t>(data));
        raw += block;
    }
    WriteFile(bin, raw);
}

void WriteCueSheet(const fs::path& cue, const std::string& binName, const std::string& trackMode) {
    WriteFile(cue, "FILE \"" + binName + "\" BINARY\r\n  TRACK 01 " + trackMode +
                       "\r\n    INDEX 01 00:00:00\r\n");
}

std::size_t Find(const std::string& bytes, const std::string& what, std::size_t from) {
    const std::size_t at = bytes.find(what, from);
    if (at == std::string::npos)
        throw std::runtime_error("not in the image: " + what);
    return at;
}

std::size_t DirectoryRecord(const std::string& image, const std::string& isoName) {
    // Length of the name at 32, the name at 33.
    const std::string marker = std::string(1, static_cast<char>(isoName.size())) + isoName;
    return Find(image, marker, 16 * 2048) - 32;
}

void SetBothEndian32(std::string& image, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        image[at + i] = static_cast<char>(value >> (8 * i));
        image[at + 7 - i] = static_cast<char>(value >> (8 * i));
    }
}

std::uint32_t RootExtent(const std::string& image) {
    const std::size_t record = 16 * 2048 + 156;
    std::uint32_t extent = 0;
    for (int i = 0; i < 4; ++i)
        extent |= static_cast<std::uint32_t>(static_cast<unsigned char>(image[record + 2 + i]))
                  << (8 * i);
    return extent;
}

} // namespace test_images
