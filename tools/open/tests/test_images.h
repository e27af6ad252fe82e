#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// Disc images made by the tests themselves: xorriso writes ISO 9660 images of a folder, and the
// tests turn them into raw CD sectors, cue sheets and damaged copies.
namespace test_images {

namespace fs = std::filesystem;

// A small disc: menu/ with the list files, _html/ with a page, a picture and a mixed-case page.
void WriteSmallDisc(const fs::path& root);

enum class Names { Joliet, Plain, RockRidge };
// Writes an image of `source` with xorriso; throws std::runtime_error when it fails. More
// xorriso commands (one a line, such as "-clone /a /b") change the image's tree before it is
// written: a tree of many files needs none on the file system.
void MakeIso(const fs::path& source, const fs::path& iso, Names names,
             const std::vector<std::string>& commands = {});

// The ISO's 2048-byte sectors as raw 2352-byte CD sectors of mode 1, or mode 2 form 1 (with
// its subheader), sync pattern and header included; error correction left zero.
void WriteRawSectors(const fs::path& iso, const fs::path& bin, int mode);
void WriteCueSheet(const fs::path& cue, const std::string& binName, const std::string& trackMode);

// Where bytes stand in an image file.
std::size_t Find(const std::string& bytes, const std::string& what, std::size_t from = 0);
// The directory record of a plain ISO 9660 name (such as "LOOP" or "BIG.BIN;1"): its offset.
std::size_t DirectoryRecord(const std::string& image, const std::string& isoName);
// Writes a both-endian 32-bit field of a directory record (extent at 2, size at 10).
void SetBothEndian32(std::string& image, std::size_t at, std::uint32_t value);
// The root directory's extent, from the primary volume descriptor.
std::uint32_t RootExtent(const std::string& image);

} // namespace test_images
