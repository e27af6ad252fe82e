#include "content/cp932.h"

#include "content/text_decoder.h"

namespace content {
namespace {

constexpr std::string_view kCp932 = "CP932";

// One decoder per thread for the many short texts of the disc (node texts, captions, paths).
TextDecoder& FromCp932() {
    thread_local TextDecoder decoder(kCp932);
    return decoder;
}

bool IsAscii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    // Plain ASCII is the same in both: most paths, all issue lines.
    if (IsAscii(bytes))
        return std::string(bytes);
    return FromCp932().decode(bytes);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    if (IsAscii(utf8))
        return std::string(utf8);
    return EncodeText(utf8, kCp932);
}

std::vector<std::size_t> InvalidCp932Offsets(std::string_view bytes) {
    std::vector<std::size_t> offsets;
    if (!IsAscii(bytes))
        FromCp932().decode(bytes, &offsets);
    return offsets;
}

} // namespace content
