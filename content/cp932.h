#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace content {

// The disc's texts are Shift-JIS as Windows writes it (code page 932, with its vendor rows and
// 0x5C as the backslash), held as the file's bytes. These are the only conversions of them, made
// by the one text decoder (content/text_decoder.h).

// Converts for display. A byte that is not CP932 text becomes U+FFFD and the conversion goes on:
// no text is lost and nothing throws.
std::string Cp932ToUtf8(std::string_view bytes);

// Converts UTF-8 (file system names, reported page addresses) to CP932 bytes; nullopt when a
// character has no CP932 form or the input is not UTF-8.
std::optional<std::string> Utf8ToCp932(std::string_view utf8);

// Whether the byte opens a double-byte character in CP932 (0x81-0x9F, 0xE0-0xFC).
constexpr bool IsCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Offsets of the bytes that do not form valid CP932 text, for the disc checker.
std::vector<std::size_t> InvalidCp932Offsets(std::string_view bytes);

} // namespace content
